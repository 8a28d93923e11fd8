#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class QAbstractItemView;
class QComboBox;
class QKeyEvent;

// How every drop-down list of the program answers the keyboard. With nothing chosen the list
// opens with nothing highlighted, so that Down highlights the first item (Qt would have
// highlighted the first item already, and Down gone to the second). Enter picks the item the
// user highlighted; with nothing highlighted, or the item already chosen, it closes the list,
// keeps the text and goes on along the Enter path. In an editable box, typing into the dropped
// list goes on in the text. The widget helpers give every combo box one; it lives as long as
// the box.
class ListDropper : public QObject
{
public:
    explicit ListDropper(QComboBox* combo);

    // The list of combo also drops when the box is reached from the keyboard, as a form is
    // filled with Enter from box to box.
    static void dropOnFocus(QComboBox* combo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Queued, so that the focus change finishes first; by then the focus may have moved on.
    void dropLater();
    // A list that opens under the pointer gets a mouse move without the mouse moving.
    void mouseMoved(const QPoint& at);
    void opened();
    // Whether Enter in the open list picks its highlighted item.
    bool picks() const;
    bool keyInList(QKeyEvent* key);
    void passOn(QKeyEvent* key);

    QComboBox* m_combo;
    QAbstractItemView* m_view;
    QWidget* m_viewport = nullptr;
    bool m_dropsOnFocus = false;
    // Whether the user moved along the list since it opened.
    bool m_moved = false;
    int m_openedWith = -1;
    std::optional<QPoint> m_mouseAt;
};
