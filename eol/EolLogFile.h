#pragma once
#include <QDateTime>
#include <QString>

// The name SAVE LOG proposes: the four serial-number boxes as typed (a box
// that holds no whole number shows as "x") and the date and time, e.g.
// "EOL_1-2-3-4_20261210_143000.txt".
QString EolLogFileName(const QString (&serialBoxes)[4],
                       const QDateTime& time = QDateTime::currentDateTime());
