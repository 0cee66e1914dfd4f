// What the men's collars with a lapel (the jacket collar, kind 7, and the
// shawl collar, kind 8) draft alike on the men's vest, coats and blazers:
// the lapel break point on the front edge (its default s2 off the centre
// line, or where a drag left it, and the zone of the bent front edge it
// lies in), its foot L on the centre line and the marks at its level, the
// front edge from the break point down to the waist and the hem (or the
// vest's lower edge), the limits that keep a dragged break point right of
// the front edge, above the waist and inside the vest, and the labels of
// the front edge's bottom.  The garment's points are only read.
#pragma once

#include "collars/Collar.h"
#include "collars/Lapel.h"

class TMenPattern;

class TMenLapelCollar : public TCollarFrame {
public:
    // The collar's stand height and the front edge's default reach.
    struct Sizes {
        float stand, extension;
    };
    // The sizes of the garment type from a collar's table of the
    // demi-season coats (28-30), the winter coats (31-33), the blazers (34,
    // 35) and the vest (36); 3.0 and 3.0 for any other type.
    static Sizes SizesOf(int type, const Sizes (&table)[4]);

    // The draft on the given garment of the family (Construct reads the main
    // window's garment and calls it).
    virtual void Draft(const TMenPattern& g) = 0;

    float StandHeight = 0.0f;  // the collar's stand at the back, by garment type
    float Extension = 0.0f;    // s2, the front edge's default reach beyond the centre line
    float FallWidth = 0.0f;    // the stand's height + 1.5

    DragHandle Break;  // the break point's handle
    Vector& BreakPoint = Break.Point;

    Vector L;        // the break point's foot on the centre line
    Vector EdgeTop;  // top of the front edge, 1 cm above the break point
    Lapel::BreakMarks Marks;
    float ExtensionAtBreak = 0.0f;  // |L - break point|, shown after "L0 :"
    int BreakZone = 3;              // 1, 2 or 3: where on the front edge the break point lies

    // ---- The front edge down to the hem. ----
    Vector EdgeBendUpper, EdgeBendLower;  // on the arc G8 -> G7 (break zones 1 and 2)
    Vector EdgeAnchor;  // centre line crossed with the line through A5 along T32 - A5
    Vector T33;         // the front edge at the waist line
    Vector H33;         // vest: where the front edge meets the lower edge
    Vector B33;         // coats and blazers: bottom of the front edge (labelled "H33" on the blazers)
    Vector HemCorner;   // the garment's B32 (H32 for the blazers)
    bool VestHemAbove = false;  // vest: T33 lies at or above H33

protected:
    explicit TMenLapelCollar(int kind) : TCollarFrame(kind) {}

    void Construct() override;
    // The garment of the main window; fails when it is not of the family.
    const TMenPattern& Garment() const;
    // Notes the garment's type and whether it is the vest, and takes the
    // sizes of its type from the collar's table.
    void Take(const TMenPattern& g, const Sizes (&table)[4]);

    // The break point (its default s2 off the centre line only while no
    // handle is dragged), the top of the front edge, the foot L, the marks
    // at the break level and L0; l comes back along the front edge
    // downwards, m across it outwards.
    void PlaceBreak(const TMenPattern& g, Vector& l, Vector& m);
    // T33 on the waist line and the bottom of the front edge; the box's
    // right side and bottom.
    void PlaceFrontEdge(const TMenPattern& g);
    // A dragged break point kept right of the front edge at its height,
    // above the waist line (moved along the roll line from C towards the
    // top of the front edge) and, on the vest, inside its lower edge.
    Vector LimitToFrontEdge(const TMenPattern& g, const Vector& C, Vector p) const;
    // The front edge from the break point (where the pen is) down to the
    // hem; the pen ends at width 1.
    void DrawFrontEdgeDown(TDrawContext& dc) const;
    // "L0 :" with its length at the break point.
    void LabelBreak(TDrawContext& dc, bool printer) const;
    // The labels of the front edge's bottom.
    void LabelHem(TDrawContext& dc, bool printer) const;

    int type_ = 0;
    bool vest_ = false;
    bool blazer_ = false;
};
