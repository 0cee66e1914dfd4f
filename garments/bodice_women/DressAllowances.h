// The allowances of the women's bodices.
//
// The dress, the jacket, the demi-season coat and the winter coat of both
// silhouettes draft by one and the same method; they differ only in the
// allowance constants each garment sets before its draft.  Those constants
// are data: one DressAllowances per garment, built from the table of the
// four garment kinds, the fitted silhouette taking 0.5 cm less armhole
// depth than the straight one.
#pragma once

// The garment kinds of the women's bodice family.
enum class DressKind { Dress, Jacket, AutumnCoat, WinterCoat };
enum class Silhouette { Straight, Fitted };

// The constants c1 .. c10 of the allowances (cm).  With h the interlining
// ease, Пг the bust ease, Пб the hip ease and Сг2 the second bust half girth:
//   BustEaseTotal = Пг + 1.5h        HipEaseTotal = Пб + 1.5h
//   BackWidthEase = 0.23 BustEaseTotal, FrontWidthEase = 0.17 BustEaseTotal
//   ArmholeDepthEase   = 0.3h + armholeDepth
//   BackLengthEase     = backLength
//   FrontLengthEase    = 0.6h + frontLength
//   NeckWidthEase      = neckWidth
//   NeckRiseEase       = neckRise
//   BackNeckRaise      = 0.6h + backNeckRaise
//   FrontNeckDepthEase = 0.6h + frontNeckDepth
//   ShoulderRaise      = shoulderRaise
//   ShoulderLengthEase = shoulderLength
//   PocketWidth        = 0.15 Сг2 + pocketWidth
// The constants are double: the sums run in double and only their results
// are stored as float.
struct DressAllowances {
    double armholeDepth;    // c1
    double backLength;      // c2
    double frontLength;     // c3
    double neckWidth;       // c4
    double neckRise;        // c5
    double backNeckRaise;   // c6
    double frontNeckDepth;  // c7
    double shoulderRaise;   // c8
    double shoulderLength;  // c9
    double pocketWidth;     // c10
};

// The allowance constants of one garment of the family.
DressAllowances AllowancesOf(DressKind kind, Silhouette silhouette);
