#pragma once
// Stand-ins for the message boxes and the browser: they record what the
// windows ask for, so no test blocks on a dialog or starts a browser.

#include <QString>
#include <QUrl>
#include <vector>

#include "analysis/ChartStyle.h"
#include "shell/Clock.h"
#include "shell/Messenger.h"
#include "shell/Services.h"
#include "shell/WebLinks.h"

namespace velmora::testing {

struct ShownMessage {
    QString text;
    MessageIcon icon;
};

class CapturingMessenger : public Messenger {
public:
    void Show(QWidget*, const QString& text, MessageIcon icon) override { shown.push_back({text, icon}); }
    int Choose(QWidget*, const QString& text, const QStringList& choices) override {
        asked.push_back({text, choices});
        return answer;
    }
    std::vector<ShownMessage> shown;
    struct Question {
        QString text;
        QStringList choices;
    };
    std::vector<Question> asked;
    int answer = -1;  // what Choose answers: a choice's index, or -1 for Cancel
};

class CapturingWebOpener : public WebOpener {
public:
    void Open(const QUrl& url) override { opened.push_back(url); }
    std::vector<QUrl> opened;
};

// A clock stopped on one day.
class FixedClock : public Clock {
public:
    CalendarDate Today() const override { return today; }
    CalendarDate today{2026, 12, 9};
};

struct CapturedServices {
    CapturingMessenger messenger;
    CapturingWebOpener web;
    FixedClock clock;
    ChartStyleChoice chartStyle;
    Services services{messenger, web, clock, chartStyle};
};

}  // namespace velmora::testing
