// What every garment does with the main window's measurement column: lay
// out its rows (caption, hint, sample value), hide them again, empty them,
// write loaded values into them, and read them back as numbers.
//
// A garment describes its rows as a table of MeasureRow; row k of the table
// is the column's row firstRow + k.  All helpers do nothing while there is
// no main window (a garment drafted on its own, in a benchmark or a test of
// its geometry).
#pragma once

#include <string>

// What a row measures, and so which values it takes.
enum MeasureKind {
    // A girth, length, height or width of the body (or of the garment laid
    // on it, such as a skirt's length or a trouser hem's width): only a
    // value greater than zero can be drafted.
    kBody,
    // An ease, an allowance or a shape setting (posture, a count of
    // pleats): zero or a negative value is a choice of the dressmaker.
    kFree,
};

struct MeasureRow {
    const char* caption;     // the label's caption, the measurement's code and a colon ("Ст:")
    const char* hint;        // the measurement's full name, hint of label and edit
    const char* sampleInt;   // integer digits of the sample value
    const char* sampleFrac;  // its fraction digit; nullptr or "" for a whole number
    MeasureKind kind;
};

// Caption and message of the input checks of every garment.
extern const char* const kBadMeasuresCaption;  // "Введите верные измерения  "

namespace MeasureColumn {

// Shows rows firstRow .. firstRow + count - 1 with the captions and hints of
// the table, and writes the samples into their edits when the main window's
// FillSamples option is set.
void LayOut(const MeasureRow* rows, int count, int firstRow = 1);
// Hides the rows again (default captions, no hints).
void Hide(int firstRow, int count);
// The sample values of the table into the edits: integer digits, the user's
// decimal separator and the fraction digit.
void FillSamples(const MeasureRow* rows, int count, int firstRow = 1);
std::string SampleText(const MeasureRow& row);
// Empties the edits.
void Clear(int firstRow, int count);
// values[k] into edit firstRow + k as ValueText writes them, so that the
// fields show exactly the values loaded and reading them back (GetMeasures)
// gives the same floats.
void Load(const float* values, int count, int firstRow = 1);
// The shortest text in fixed notation (never an exponent) that ParseMeasure
// reads back as exactly `value`, with the user's decimal separator:
// 123456 -> "123456", 0.05f -> "0,05", 53.3f -> "53,3".  "0" for zero of
// either sign; "" for a value that is not finite.
std::string ValueText(float value);
// The value in fixed notation with one decimal (precision 5) and the
// user's separator, as the sheets write a length.
std::string OneDecimalText(float value);

// The order caption: ModelCaption(type) followed by the order number.
void WriteOrderCaption(int type);
// ClearInputs of a garment: the edits emptied, the order caption written
// again, the customer line and the comment emptied.
void ClearOrder(int type, int firstRow, int count);

// Reads the edits firstRow .. firstRow + count - 1, described by rows[0 ..
// count - 1], into *dest[k]:
//  - an empty edit shows the shared "measurements missing" message;
//  - text that is not a number, a number beyond kMaxMeasureCm, or a body
//    measurement (kBody) of zero or less shows a message naming the
//    measurement and quoting the text (cut to kMaxQuotedChars characters
//    and "…"), caption kBadMeasuresCaption, exclamation icon;
// and the answer is false with nothing stored.  Never throws.  The opening
// of an order judges the loaded values here too: they are written into the
// edits exactly (Load) and read back.
bool Read(const MeasureRow* rows, float* const* dest, int count, int firstRow = 1);

// True when a is larger than b by more than a thousandth of a centimetre.
// The relation checks compare sums of measurements typed to a tenth of a
// centimetre; in binary floating point two sums that are equal as typed
// (53.3 + 0.7 and 53.9 + 0.1) can differ in their last bits, and such a
// tie must pass as the equality it is.
bool Exceeds(double a, double b);

// A check of GetMeasures that failed: its text with kBadMeasuresCaption and
// the exclamation icon.  Returns false, for "return Refuse(...)".
bool Refuse(const char* text);

}  // namespace MeasureColumn

// No measurement of a body or of an ease is this large (in either sign): a
// larger value is a slip and is refused at typing and when read.
constexpr float kMaxMeasureCm = 500.0f;
// The longest piece of a field's text that a message quotes.
constexpr int kMaxQuotedChars = 30;

enum class MeasureParse { Ok, NotANumber, OutOfRange };

// Parses a measurement as typed: optional blanks, an optional sign, digits
// with at most one decimal separator ('.' or ',', whichever the user's is),
// at least one digit, optional blanks.  NotANumber for anything else; a
// number beyond ±kMaxMeasureCm is OutOfRange.  The value is written only
// when the answer is Ok.  Never throws.
MeasureParse ParseMeasureText(const std::string& text, float& value);
// ParseMeasureText(text, value) == MeasureParse::Ok.
bool ParseMeasure(const std::string& text, float& value);
