#include "ui/list_figures.h"

#include "data/data_control.h"
#include "numtype.h"
#include "words/amount_words.h"

#include <QLabel>

void showListFigures(const DataControl& list, NumType* total, QLabel* words, QLabel* count)
{
    if (total)
        total->setValue(list.total());
    if (words)
        words->setText(AmountToWords(list.total()));
    if (count)
        count->setText(QString::number(list.recordCount()));
}
