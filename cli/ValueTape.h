#pragma once
// A chart's values as a compact record of tagged items, taking the same
// calls as JsonWriter, CsvRow and JsonDocument: the fields write it from
// the same functions. It holds exactly what the compact JSON text reads back
// as (JsonDocument's rules: bytes that are not UTF-8 become U+FFFD, a double
// whose shortest text is digits alone is that integer, a double that is not
// finite is null), with nothing left to parse: the Python module turns a
// record into its objects in one pass, while the text would be read again
// character by character. A record belongs to this process (its numbers
// are in the machine's own byte order) and is never stored.
//
// A record: its length (4 bytes, not counting themselves), then one value.
// A value: '{' followed by key and value pairs and '}', '[' followed by
// values and ']', or one item: 'k' key, 's' string (4 bytes of length, then
// the UTF-8 bytes), 'i' integer (8 bytes), 'w' a whole number beyond 64 bits
// (4 bytes of length, then its decimal digits, then the double it stands
// for: 8 bytes), 'd' double (8 bytes), 'z' null, 't' true, 'f' false.

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "cli/ListCalls.h"

namespace velmora::cli {

class ValueTape : public ListCalls<ValueTape> {
public:
    // Begins a record at the end of `out`; End() closes it.
    explicit ValueTape(std::string& out);

    void BeginObject() { out_ += '{'; }
    void EndObject() { out_ += '}'; }
    void BeginArray() { out_ += '['; }
    void EndArray() { out_ += ']'; }
    // This program's own plain ASCII names, kept as they are.
    void Key(std::string_view key) { Sized('k', key); }
    void String(std::string_view text);
    void TypedText(std::string_view text) { String(text); }
    void Int(std::int64_t value);
    void Bool(bool value) { out_ += value ? 't' : 'f'; }
    void Double(double value);
    void Null() { out_ += 'z'; }
    // Writes the record's length; the record is complete.
    void End();

private:
    void Sized(char tag, std::string_view bytes);

    std::string& out_;
    std::size_t start_;
};

// The length of the complete record at the start of `bytes`, its length
// prefix included; 0 while it is not all there.
std::size_t TapeRecordSize(std::string_view bytes);

enum class TapeItem : char {
    BeginObject = '{',
    EndObject = '}',
    BeginArray = '[',
    EndArray = ']',
    Key = 'k',
    String = 's',
    Int = 'i',
    Whole = 'w',
    Double = 'd',
    Null = 'z',
    True = 't',
    False = 'f',
};

// The items of one record, in the order written.
class TapeReader {
public:
    // `record`: a whole record, its length prefix included.
    explicit TapeReader(std::string_view record) : bytes_(record), at_(sizeof(std::uint32_t)) {}

    // The next item into the reader's fields; false after the last.
    bool Next() {
        if (at_ >= bytes_.size()) return false;
        item = static_cast<TapeItem>(bytes_[at_++]);
        switch (item) {
            case TapeItem::Key:
            case TapeItem::String: Sized(); break;
            case TapeItem::Int: Read(integer); break;
            case TapeItem::Whole:
                Sized();
                Read(real);
                break;
            case TapeItem::Double: Read(real); break;
            default: break;
        }
        return true;
    }
    TapeItem item = TapeItem::Null;
    std::string_view text;    // Key and String; Whole: the digits
    std::int64_t integer = 0;  // Int
    double real = 0;           // Double; Whole: the double the digits stand for

private:
    template <typename Number>
    void Read(Number& value) {
        std::memcpy(&value, bytes_.data() + at_, sizeof value);
        at_ += sizeof value;
    }
    void Sized() {
        std::uint32_t length;
        Read(length);
        text = bytes_.substr(at_, length);
        at_ += length;
    }

    std::string_view bytes_;
    std::size_t at_;
};

// Writes a record's items to `writer` (JsonWriter, JsonDocument, …): the
// same values the record was written from.
template <typename Writer>
void ReplayTape(std::string_view record, Writer& writer) {
    TapeReader reader(record);
    while (reader.Next()) {
        switch (reader.item) {
            case TapeItem::BeginObject: writer.BeginObject(); break;
            case TapeItem::EndObject: writer.EndObject(); break;
            case TapeItem::BeginArray: writer.BeginArray(); break;
            case TapeItem::EndArray: writer.EndArray(); break;
            case TapeItem::Key: writer.Key(reader.text); break;
            case TapeItem::String: writer.String(reader.text); break;
            case TapeItem::Int: writer.Int(reader.integer); break;
            case TapeItem::Whole:
            case TapeItem::Double: writer.Double(reader.real); break;
            case TapeItem::Null: writer.Double(std::numeric_limits<double>::quiet_NaN()); break;
            case TapeItem::True: writer.Bool(true); break;
            case TapeItem::False: writer.Bool(false); break;
        }
    }
}

}  // namespace velmora::cli
