#pragma once
// The outside services every window uses, handed down from main (or a test),
// and the program-wide choices main owns for as long as the program runs.

namespace velmora {

class FileDialogs;
class Clock;
class Messenger;
class Preferences;
class WebOpener;
class ChartStyleChoice;

struct Services {
    Messenger& messenger;
    WebOpener& web;
    FileDialogs& files;
    Clock& clock;
    ChartStyleChoice& chartStyle;  // South- or North-Indian, as last chosen in any window
    Preferences& preferences;      // the form's choices kept between starts
};

}  // namespace velmora
