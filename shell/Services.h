#pragma once
// The outside services every window uses, handed down from main (or a test).

namespace velmora {

class FileDialogs;
class Messenger;
class WebOpener;

struct Services {
    Messenger& messenger;
    WebOpener& web;
    FileDialogs& files;
};

}  // namespace velmora
