#pragma once
// What the Python module hands the batch: each birth as the batch line it
// stands for, and the keyword choices of chart(), charts() and frame() as
// velmora-cli's batch options, read by the command line's own reader. So a
// birth gives the module exactly what the same line gives `velmora-cli
// --batch` with the same options, and is refused with the same message.

#include <pybind11/pybind11.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "cli/BatchRunner.h"

namespace velmora::python {

// A keyword choice: its Python name and the batch option it stands for.
struct Choice {
    std::string_view name;    // "dasha_levels"
    std::string_view option;  // "--dasha-levels"
};
// Every choice, in the order the documentation lists them.
std::span<const Choice> Choices();

// The batch's output and threads for `choices` (keyword name -> value):
// True gives a flag, False and None leave the choice out, a list or tuple is
// joined with commas, anything else is written as its str(). `format` is the
// batch's format. Throws ValueError with the command line's message (its
// options named as the keywords are) or TypeError for an unknown keyword.
struct BatchSettings {
    cli::BatchOutput output;
    int jobs = 1;
    std::uint64_t reading = 0;  // which reading of the choices made them: the same, the same settings
};
BatchSettings ReadChoices(const pybind11::dict& choices, cli::BatchFormat format);

// The batch line a birth stands for: a text (str or bytes) is the line
// itself; a mapping is written as a JSON object, None and NaN values left
// out as missing (a DataFrame's empty cells, pandas.NA), a value JSON has no form for
// written as null (which the batch refuses with the key's message); anything
// else is written as null (not an object).
std::string BirthLine(const pybind11::handle& birth);

// The key of a birth a refusal names ("date" for "date must be YYYY-MM-DD,
// got …"); empty when it names none (the line as a whole, or the ephemeris).
std::string RefusedKey(std::string_view message);

// The message with the command line's option names written as the module's
// keywords ("--dasha-levels" -> "dasha_levels").
std::string AsKeywords(std::string message);

}  // namespace velmora::python
