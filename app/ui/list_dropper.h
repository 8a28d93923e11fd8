#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class QComboBox;
class QKeyEvent;

// A combo box reached from the keyboard drops its list, as a form is filled with Enter
// from box to box. Typing into the dropped list goes on in the text. Enter picks the item the
// user moved to; without such a move it closes the list, keeps the text and goes on along the
// Enter path, as the list highlights its first item by itself. It lives as long as the box.
class ListDropper : public QObject
{
public:
    explicit ListDropper(QComboBox* combo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Queued, so that the focus change finishes first; by then the focus may have moved on.
    void dropLater();
    // A list that opens under the pointer gets a mouse move without the mouse moving.
    void mouseMoved(const QPoint& at);
    bool keyInList(QKeyEvent* key);

    QComboBox* m_combo;
    // Whether the user moved along the list since it opened.
    bool m_moved = false;
    std::optional<QPoint> m_mouseAt;
};
