#pragma once

#include <QDialog>
#include <QFont>

class QComboBox;
class QLabel;

// The font of the cheque list: a font name ("CD"/"Font") and a size ("CD"/"FontSize"), with a
// sample that shows the choice as it is made. Saving stores both texts as they stand and hands
// the main window the list's new font through fontChanged.
//
// The list takes the font name only when it names one of the listed fonts (letter case aside);
// a name typed that is not among them is stored, but leaves the list's font family as it was.
class ListFontWindow : public QDialog
{
    Q_OBJECT

public:
    // listFont is the list's font as it is now; the sample starts from it.
    explicit ListFontWindow(const QFont& listFont = QFont(), QWidget* parent = nullptr);

    // The sizes offered, in their order.
    static QStringList sizes();

    // The font the list would take now.
    QFont chosenFont() const;

signals:
    void fontChanged(const QFont& font);

private:
    void buildControls();
    void showSample();
    void save();

    QFont m_listFont;
    QComboBox* m_family = nullptr;
    QComboBox* m_size = nullptr;
    QLabel* m_sample = nullptr;
};
