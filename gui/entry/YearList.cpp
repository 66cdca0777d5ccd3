#include "entry/YearList.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringList>

#include <algorithm>

#include "birth/FormFields.h"
#include "widgets/Translated.h"

namespace velmora {

YearList::YearList(QComboBox* list, ComputationMode mode) : QObject(list), list_(list) { Fill(mode, kFirstYear); }

int YearList::Year() const { return first_ + list_->currentIndex(); }

QString YearList::ShowYearsOf(ComputationMode mode) {
    const YearRange years = YearsFor(mode);
    int year = Year();
    if (setAside_ != 0 && year == standIn_ && years.Holds(setAside_)) year = setAside_;
    setAside_ = 0;
    QString told;
    if (!years.Holds(year)) {
        setAside_ = year;
        standIn_ = std::clamp(year, years.first, years.last);
        told = Tr(QT_TRANSLATE_NOOP("Velmora", "The classic positions are computed for the years %1 to %2: the year "
                                               "%3 is shown as %4 until precise positions are chosen again."))
                   .arg(years.first)
                   .arg(years.last)
                   .arg(year)
                   .arg(standIn_);
        year = standIn_;
    }
    Fill(mode, year);
    return told;
}

void YearList::Choose(ComputationMode mode, int year) {
    setAside_ = 0;
    const YearRange years = YearsFor(mode);
    Fill(mode, std::clamp(year, years.first, years.last));
}

void YearList::Fill(ComputationMode mode, int year) {
    const YearRange years = YearsFor(mode);
    if (first_ != years.first || list_->count() != years.last - years.first + 1) {
        // The items change without a word; the year chosen then says so once.
        const QSignalBlocker quiet(list_);
        list_->clear();
        QStringList items;
        items.reserve(years.last - years.first + 1);
        for (int y = years.first; y <= years.last; ++y) items << QString::number(y);
        list_->addItems(items);
        list_->setCurrentIndex(-1);
        first_ = years.first;
    }
    list_->setCurrentIndex(year - first_);
}

}  // namespace velmora
