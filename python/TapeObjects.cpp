#include "python/TapeObjects.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/ValueTape.h"

namespace py = pybind11;

namespace velmora::python {

namespace {

// Texts made into str objects through a small table: the last str made for
// each slot is handed out again while the same text comes (a str never
// changes). The keys are the program's own few names, interned as Python's
// own names are; the values' short texts recur from chart to chart (the
// lords, signs and nakshatras, a period's end that is the next one's start).
class TextTable {
public:
    explicit TextTable(bool intern) : intern_(intern) {}

    // A new reference, or null with Python's error set.
    PyObject* Get(std::string_view text) {
        if (text.size() > kLongest) return Make(text);
        std::uint32_t hash = 2166136261u;  // FNV-1a
        for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        Slot& slot = slots_[hash % kSlots];
        if (!slot.object || slot.size != text.size() || std::memcmp(slot.bytes, text.data(), text.size()) != 0) {
            PyObject* made = Make(text);
            if (!made) return nullptr;
            Py_XDECREF(slot.object);
            slot.object = made;
            slot.size = text.size();
            std::memcpy(slot.bytes, text.data(), text.size());
        }
        Py_INCREF(slot.object);
        return slot.object;
    }

private:
    static constexpr std::size_t kLongest = 24, kSlots = 512;
    struct Slot {
        PyObject* object = nullptr;  // kept for the module's life
        std::size_t size = 0;
        char bytes[kLongest];
    };
    PyObject* Make(std::string_view text) const {
        PyObject* made = PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), nullptr);
        if (made && intern_) PyUnicode_InternInPlace(&made);
        return made;
    }
    const bool intern_;
    Slot slots_[kSlots];
};

// A dict sized for `pairs` keys at once (rather than grown as they come).
PyObject* NewDict(std::size_t pairs) {
#if PY_VERSION_HEX < 0x030D0000
    return _PyDict_NewPresized(static_cast<Py_ssize_t>(pairs));
#else
    (void)pairs;
    return PyDict_New();
#endif
}

}  // namespace

py::object TapeObject(std::string_view record) {
    // The values of the containers still open, one after another (a dict's
    // as key, value, key, value …), each a reference of its own; a container
    // is made when it closes, at its full size.
    struct Pending {
        std::vector<PyObject*> items;
        ~Pending() {
            for (PyObject* item : items) Py_DECREF(item);
        }
    } pending;
    std::vector<PyObject*>& items = pending.items;
    items.reserve(256);
    struct Open {
        std::size_t first;  // its first item in `items`
        bool dict;
    };
    std::vector<Open> open;
    const auto push = [&](PyObject* made) {
        if (!made) throw py::error_already_set();
        items.push_back(made);
    };
    const auto close = [&] {
        const Open container = open.back();
        open.pop_back();
        const std::size_t count = items.size() - container.first;
        PyObject** const first = items.data() + container.first;
        PyObject* made = nullptr;
        if (container.dict) {
            made = NewDict(count / 2);
            for (std::size_t i = 0; made && i < count; i += 2)
                if (PyDict_SetItem(made, first[i], first[i + 1]) != 0) Py_CLEAR(made);
        } else {
            made = PyList_New(static_cast<Py_ssize_t>(count));
            if (made) {
                for (std::size_t i = 0; i < count; ++i) PyList_SET_ITEM(made, static_cast<Py_ssize_t>(i), first[i]);
                items.resize(container.first);  // the list holds them now
            }
        }
        if (!made) throw py::error_already_set();
        for (std::size_t i = container.first; i < items.size(); ++i) Py_DECREF(items[i]);
        items.resize(container.first);
        items.push_back(made);
    };
    // Guarded by the interpreter's lock.
    static TextTable keys(true), texts(false);
    cli::TapeReader reader(record);
    while (reader.Next()) {
        switch (reader.item) {
            case cli::TapeItem::BeginObject:
            case cli::TapeItem::BeginArray:
                open.push_back({items.size(), reader.item == cli::TapeItem::BeginObject});
                break;
            case cli::TapeItem::EndObject:
            case cli::TapeItem::EndArray: close(); break;
            case cli::TapeItem::Key: push(keys.Get(reader.text)); break;
            case cli::TapeItem::String: push(texts.Get(reader.text)); break;
            case cli::TapeItem::Int: push(PyLong_FromLongLong(reader.integer)); break;
            case cli::TapeItem::Whole: push(PyLong_FromString(std::string(reader.text).c_str(), nullptr, 10)); break;
            case cli::TapeItem::Double: push(PyFloat_FromDouble(reader.real)); break;
            case cli::TapeItem::Null: push(py::none().release().ptr()); break;
            case cli::TapeItem::True: push(py::bool_(true).release().ptr()); break;
            case cli::TapeItem::False: push(py::bool_(false).release().ptr()); break;
        }
    }
    if (items.size() != 1 || !open.empty()) throw std::logic_error("velmora: a record of values ended early");
    py::object root = py::reinterpret_steal<py::object>(items.back());
    items.clear();
    return root;
}

}  // namespace velmora::python
