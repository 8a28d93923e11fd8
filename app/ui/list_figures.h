#pragma once

class DataControl;
class NumType;
class QLabel;

// The figures every list window shows under its list, after every change of the list:
// the total into the number box, the total in words into one label and the number of
// rows into another. Any of the three may be absent.
void showListFigures(const DataControl& list, NumType* total, QLabel* words, QLabel* count);
