#pragma once

#include <QDialog>

// The About window of the Help menu: the program's title and version and, in a few lines, what
// the program keeps and does for its user.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);

    static QString version();
};
