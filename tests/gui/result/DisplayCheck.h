#pragma once
// Compares a result form with the texts of the run that filled it: every
// caption, and the report as runs of text of one weight, colour and size
// (breaks as "\n"), built both from the report pieces and from the text box.

#include <QColor>
#include <QLabel>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <vector>

#include <memory>

#include "presentation/ResultTexts.h"
#include "result/frmDisplay.h"

namespace velmora::testing {

// A chart and the texts a window shows of it: the texts made from the chart
// (English month names), or changed one by one to see each reach its label.
struct ShownChart {
    std::shared_ptr<Chart> chart = std::make_shared<Chart>();
    ResultLabels texts;
    // The texts made anew from the chart, after its numbers were changed.
    void Relabel() { texts = ResultLabelsOf(*chart, EnglishMonthNames()); }
};

struct Run {
    QString text;
    bool bold;
    QColor color;
    double size;
};

inline void Append(std::vector<Run>& runs, const QString& text, bool bold, const QColor& color, double size) {
    if (text.isEmpty()) return;
    Run& last = runs.empty() ? runs.emplace_back() : runs.back();
    if (!last.text.isEmpty() && last.bold == bold && last.color == color && last.size == size) {
        last.text += text;
    } else if (last.text.isEmpty()) {
        last = {text, bold, color, size};
    } else {
        runs.push_back({text, bold, color, size});
    }
}

inline std::vector<Run> RunsOf(const Report& report) {
    std::vector<Run> runs;
    for (const ReportPiece& p : report) {
        const QColor color = p.color == ReportColor::DarkRed ? QColor(128, 0, 0) : QColor(0, 0, 0);
        Append(runs, QString::fromUtf8(p.text.data(), static_cast<qsizetype>(p.text.size())), p.bold, color, p.size);
        Append(runs, QString(p.breaks, QLatin1Char('\n')), p.bold, color, p.size);
    }
    return runs;
}

inline std::vector<Run> RunsOf(const QTextDocument* document) {
    std::vector<Run> runs;
    auto add = [&runs](const QString& text, const QTextCharFormat& f) {
        Append(runs, text, f.fontWeight() >= QFont::Bold, f.foreground().color(), f.fontPointSize());
    };
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) add(it.fragment().text(), it.fragment().charFormat());
        // The paragraph end carries the format the break was written with.
        if (block.next().isValid()) add(QStringLiteral("\n"), block.next().charFormat());
    }
    return runs;
}

// The first difference between the form and the chart's texts, or empty.
inline QString DisplayMismatch(const frmDisplay& form, const Chart& chart, const ResultLabels& texts) {
    auto differs = [](const QLabel* label, const std::string& caption) {
        return frmDisplay::Caption(label) != QString::fromStdString(caption) ||
               label->text() != frmDisplay::DisplayCaption(caption);
    };
    for (int i = 0; i < kBodyCount; ++i) {
        if (differs(form.planet[i], texts.planet[i])) return QStringLiteral("planet(%1)").arg(i);
    }
    for (int k = 0; k < kSignCount; ++k) {
        if (differs(form.signLabels[k], texts.signBoxes[k])) return form.signLabels[k]->objectName();
        if (differs(form.lblArudha[k], texts.arudhaBoxes[k])) return QStringLiteral("lblArudha(%1)").arg(k);
    }
    const std::vector<std::pair<const QLabel*, const std::string*>> details = {
        {form.lblName, &texts.name},   {form.lblDOB, &texts.dateOfBirth},     {form.lblTOB, &texts.timeOfBirth},
        {form.lblLongitude, &texts.longitude}, {form.lblLatitude, &texts.latitude},
        {form.lblCity, &chart.birth.city},   {form.lblState, &chart.birth.state},
        {form.lblCountry, &chart.birth.country}};
    for (const auto& [label, caption] : details) {
        if (differs(label, *caption)) return label->objectName();
    }
    const std::vector<Run> expected = RunsOf(chart.report);
    const std::vector<Run> shown = RunsOf(form.RTB->document());
    if (shown.size() != expected.size()) {
        return QStringLiteral("RTB: %1 runs instead of %2").arg(shown.size()).arg(expected.size());
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Run& a = shown[i];
        const Run& b = expected[i];
        if (a.text != b.text || a.bold != b.bold || a.color != b.color || a.size != b.size) {
            return QStringLiteral("RTB run %1: \"%2\"").arg(i).arg(b.text.left(40));
        }
    }
    return {};
}

}  // namespace velmora::testing
