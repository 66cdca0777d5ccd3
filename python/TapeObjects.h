#pragma once
// A chart's values as Python objects, made from the batch's ValueTape record
// (cli/ValueTape.h) in one pass: the dict that Python's json.loads gives for
// the same chart's JSON line, equal key for key and value for value (numbers
// as int and float, null as None), without the text being written and read.

#include <pybind11/pybind11.h>

#include <string_view>

namespace velmora::python {

// The object of a whole record. Needs the interpreter's lock.
pybind11::object TapeObject(std::string_view record);

}  // namespace velmora::python
