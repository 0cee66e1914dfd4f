// The frame of every lower-body garment (skirts, trousers, jeans, shorts,
// women's and men's): how a garment takes over the main window's
// measurement column while it is the current garment, reads and checks its
// measurements, writes and reads its block of an order file, clears, draws
// and tabulates on the drawing window's sheets (the pieces, then the tables), and prints.
//
// A garment derives from TLowerGarment, describes its column once as a
// GarmentColumn (rows with captions, hints, samples, illustrations and
// table texts in edit order; the record order of the order file; where the
// order comment stands under its tables), and fills in the hooks:
//
//   Slots()          where each row's value lives, in edit order;
//   CheckMeasures()  the relations of its measurements, in their order;
//   Calculate(), CalcSegments()  the draft and its segment lengths;
//   DrawPieces()     the pieces with their labels on a drawing context;
//   Extent()         the box of the drawn pieces, for printing;
//   FrontTableRows(), BackTableRows()  its segment tables.
//
// The rest has a default that a garment may replace: the measurement
// table's rows, the tables and the comment of sheet 2 and of the printed
// tables page, the origin of sheet 1, and the one-sheet print layout.
#pragma once

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "garments/common/PatternSheets.h"
#include "garments/common/ValueTable.h"
#include "kernel/Geometry.h"
#include "kernel/Models.h"
#include "shell/MeasureColumn.h"

struct TDrawContext;

// One row of a garment's measurement column.
struct GarmentRow {
    const char* caption;     // the label's caption, the code and a colon ("Ст:")
    const char* hint;        // the measurement's full name, hint of label and edit
    const char* sampleInt;   // integer digits of the sample value
    const char* sampleFrac;  // its fraction digit; nullptr or "" for a whole number
    MeasureKind kind;        // a body measurement (kBody) or an ease or shape (kFree)
    void (*illustration)();  // ShowMeasure of the row (MeasureHints); nullptr: none
    // The row's text in the measurement table; nullptr: the caption without
    // its colon.
    const char* tableText = nullptr;
};

// A garment's measurement column.
struct GarmentColumn {
    int type;                      // garment type of the piece factory
    std::vector<GarmentRow> rows;  // edit order: rows[0] is Meas_1
    // The order-file record: indices into rows, in record order; empty when
    // the record follows the edit order.
    std::vector<int> recordOrder = {};
    // The order comment's corner under the tables (table units): on sheet 2,
    // and on the printed tables page.
    int commentY = 0;
    int paperCommentY = 0;
    // The drawing window's sheets the garment uses: sheets 1 .. sheets − 1
    // carry the pieces, the last one the tables.
    int sheets = 2;
};

// Where a row's value lives: a float, or an integer (a count such as the
// number of pleats).  An integer row is typed and read as a number like the
// others, and turned into its integer by `toInt` (which also clamps it);
// the order file holds it as a 32-bit integer, read back through `toInt`
// too, and its edit shows the decimal integer.
struct MeasureSlot {
    float* value = nullptr;
    std::int32_t* count = nullptr;
    std::int32_t (*toInt)(double) = nullptr;

    MeasureSlot(float& v) : value(&v) {}
    MeasureSlot(std::int32_t& c, std::int32_t (*convert)(double)) : count(&c), toInt(convert) {}

    bool IsCount() const { return count != nullptr; }
    // The value as the measurement table shows it.
    float AsFloat() const { return value ? *value : float(*count); }
};

// A count row of a column (the number of pleats): the integer values from
// `least` to `most` that an order file can hold for it.
struct RecordCount {
    int row;  // index into GarmentColumn::rows
    int least, most;
};
// Declares the order-file block of the column's garment type: each row's
// value in record order, a float named by the row's caption, or the
// integer of a count row.
void RegisterLowerBlock(const GarmentColumn& column, const std::vector<RecordCount>& counts = {});

// Where DrawPieces draws: the context, the outline pen (construction lines
// are 1), labels through PrinterLabel (paper) or Label (screen), and whether
// the point labels are drawn at all (a one-sheet print leaves them out).
struct PieceTarget {
    TDrawContext& dc;
    int outline;
    bool printer;
    bool labels;
    int sheet = 1;  // the pattern sheet whose pieces are drawn
};

// A corner in table units.
struct TablePoint {
    int x, y;
};

class TLowerGarment : public TModel {
public:
    ~TLowerGarment() override;

    // Reads every row (an empty edit: the shared "measurements missing"
    // message; a text that is no number: the column's message), then runs
    // CheckMeasures.  Nothing is stored unless every row reads.
    bool GetMeasures() override;
    // An opened order is judged by GetMeasures, relations included: a waist
    // wider than the hips would draft a negative suppression.
    // Sheet 1 at SheetOrigin(), DrawPieces on the screen; nothing unless
    // calculated.
    void Draw() override;
    void RedrawCollar() override {}
    void RedrawSleeve() override {}
    // Both sheets white with the centimetre grid.
    void ClearSheets() override;
    // Empties the rows, writes the order caption again, empties the customer
    // line and the comment; the sleeve kind is not used.
    void ClearInputs(int sleeveKind) override;
    // The illustration of row n (1-based); nothing for any other n.
    void ShowMeasure(int n) override;
    // "Лист 1 из 2" on sheet 1 (and CaptionPieceSheet); on sheet 2 "Лист 2 из
    // 2", the tables and the comment; nothing unless calculated.
    void DrawTables(int scale) override;
    // Unless calculated the shared "nothing to print" message; else the
    // pieces tiled over printer pages at true scale ("Лист 1 из 2"), then a
    // page of the tables and the comment ("Лист 2 из 2").  At 1:1 a garment
    // with a one-sheet layout (OneSheetTableAt) prints the pieces without
    // point labels and with the measurement table on them, and no tables
    // page ("Лист 1 из 1").  A garment with more than one pattern sheet
    // prints its own way.
    void Print() override;
    // The record: each value as 4 bytes in record order (a float, or the
    // 32-bit integer of a count row).
    void SaveMeasures(RecordWriter& f) override;
    // Reads the record and writes every value into its edit (one decimal; a
    // count as its integer).
    void LoadMeasures(RecordReader& f) override;

    // ---- The tables of sheet 2 and of the printed tables page. ----
    // Default: each row's table text with its value, in edit order.
    virtual std::vector<ValueTableRow> MeasureTableRows() const;
    virtual std::vector<ValueTableRow> FrontTableRows() const { return {}; }
    virtual std::vector<ValueTableRow> BackTableRows() const { return {}; }

    const GarmentColumn& Column() const { return column_; }
    int Type() const { return column_.type; }
    int MeasureCount() const { return int(column_.rows.size()); }
    // The order-file block: 4 bytes per row.
    int BlockSize() const { return 4 * MeasureCount(); }

protected:
    // Lays out the column (captions, hints, samples when the main window
    // asks for them), writes the order caption and shows both sheets.  The
    // column must outlive the garment.
    explicit TLowerGarment(const GarmentColumn& column);

    // Where each row's value lives, in edit order.
    virtual std::vector<MeasureSlot> Slots() = 0;
    // The relations of the measurements just read, in their order; a failed
    // one returns MeasureColumn::Refuse(its text).
    virtual bool CheckMeasures() = 0;
    // The pieces with their labels (and the crotch-seam text).
    virtual void DrawPieces(const PieceTarget& target) const = 0;
    // The box of the drawn pieces, for the print tiling.
    virtual PatternSheets::Box Extent() const = 0;

    // Sheet 1's origin: where the draft's (0, 0) lies, in cm from the sheet's
    // left and top edges.  Default (52.5, 10).
    virtual Vector SheetOrigin() const;
    // The tables of sheet 2 (TableMedium::Screen) or of the printed tables
    // page (Paper).  Default: the measurement, front and back tables side
    // by side, at x 50, 296, 541 on the screen and 35, 282, 529 on paper,
    // all at y 57.
    virtual std::vector<PlacedTable> Tables(TableMedium medium) const;
    // The comment's corner.  Default: x 228 on the screen and 184 on paper,
    // y the column's commentY and paperCommentY.
    virtual TablePoint CommentAt(TableMedium medium) const;
    // The one-sheet print layout: true with the measurement table's top left
    // corner in pattern cm.  Default: none.
    virtual bool OneSheetTableAt(Vector& corner) const;

    // What a pattern sheet shows below its captions besides the pieces
    // (sheet n, attached to the screen context at the table offset (0, 0)).
    // Default: nothing.
    virtual void CaptionPieceSheet(int n) const;

    // The count rows' values into their edits.
    void ShowCounts();

    // The slots of the fields a variant lists, in its order (for a garment
    // whose variants fill the same members in different rows).
    template <class G>
    static std::vector<MeasureSlot> FieldSlots(G& garment, const std::vector<float G::*>& fields) {
        std::vector<MeasureSlot> places;
        for (float G::*field : fields) places.push_back(garment.*field);
        return places;
    }

    // The check most lower-body garments make first: the waist with its
    // ease, Ст + Пт, may not exceed the hips with theirs, Сб + Пб (equal
    // sums pass, to the column's thousandth of a centimetre).  False, with
    // `refusal` shown, when it does.
    static bool WaistWithinHips(float waist, float waistEase, float hips, float hipEase,
                                const char* refusal = "Ст+Пт > Сб+Пб");

    // Runs `draft`, which writes into `state`; when it throws, every part
    // of `state` gets back the value it had before, and the exception goes
    // on.  A failed draft so leaves the last one whole: `calculated` stays
    // as it was, and a later redraw must find the points it was drawn from.
    template <class Draft, class... State>
    static void KeepingTheLastDraft(Draft&& draft, State&... state) {
        const std::tuple<State...> kept(state...);
        try {
            draft();
        } catch (...) {
            std::tie(state...) = kept;
            throw;
        }
    }

    // Tables(medium) and the comment at CommentAt(medium), on the screen
    // context or on the printer's.
    void PlaceTables(TableMedium medium) const;

private:
    std::vector<MeasureSlot> ConstSlots() const;

    const GarmentColumn& column_;
    std::vector<std::string> tableTexts_;
};
