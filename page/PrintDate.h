#pragma once
// PrintDate: the date and time printed in the page footer: the locale's short date, a blank and
// its long time, the time left out at exactly midnight.

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace glimmerset::page {

QString PrintDateText(const QDateTime& when, const QLocale& locale = QLocale::system());

}  // namespace glimmerset::page
