#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QToolButton;
class JalaliPicker;

// The program's date box: a masked line "____/__/__" with a calendar button beside it that
// opens the Jalali picker. The text is kept exactly as shown, blanks included, because that
// is what the tables hold for a date typed only in part or not at all.
class DateBox : public QWidget
{
    Q_OBJECT

public:
    explicit DateBox(QWidget* parent = nullptr);

    // The text as shown: "____/__/__" when empty, "1403/0_/__" when typed in part.
    QString text() const;
    void setText(const QString& text);
    void clear();
    // Selects the whole date, so that typing replaces it.
    void selectAll();

    QLineEdit* edit() const { return m_edit; }
    // Created on first use; it lives as long as the box.
    JalaliPicker* picker();

public slots:
    // Opens the picker under the box on the date the box holds (today's month when it holds none).
    void showPicker();

signals:
    void textChanged(const QString& text);
    void returnPressed();
    void datePicked(const QString& date);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takePicked(const QString& date);

    QLineEdit* m_edit;
    QToolButton* m_button;
    JalaliPicker* m_picker = nullptr;
};
