#pragma once

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QWidget>

// Helpers for the windows that are laid out at a designed size and scaled by the resizer.
// Such a form is read from the right, so a control is placed by its distance from the
// right edge of its parent; the parent must already have its designed size.
namespace DesignedLayout {

template <typename W> W* place(W* widget, int fromRight, int top, int width, int height)
{
    const int parentWidth = widget->parentWidget() ? widget->parentWidget()->width() : 0;
    widget->setGeometry(parentWidth - fromRight - width, top, width, height);
    return widget;
}

template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

inline QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip = QString(),
                           QStyle::StandardPixmap icon = QStyle::SP_CustomBase)
{
    auto* b = named(new QPushButton(caption, parent), name);
    b->setToolTip(tip);
    if (icon != QStyle::SP_CustomBase)
        b->setIcon(parent->style()->standardIcon(icon));
    return b;
}

inline QLabel* label(QWidget* parent, const char* name, const QString& caption)
{
    return named(new QLabel(caption, parent), name);
}

} // namespace DesignedLayout
