// The fitting loops on the program's own garments, through the calculation
// road as the user meets it: measurement sets whose loops close (after
// swinging far out, staying no better for long, or on the road's rerun after
// a loop ran away) draft; loops that cannot close end with their piece's
// message, never with the road's "check the measurements" of a fault; and
// bands of sets around the samples keep every verdict, so that a change in
// when a loop gives up shows here.
//
// Values are typed as the user types them: the samples where the case
// names nothing else (Н and H, 0.06 and 0.07 among the samples, typed to a
// tenth as 0.1 where a case says so).
#include <gtest/gtest.h>

#include <QLineEdit>
#include <string>
#include <vector>

#include "tests/garments/GarmentWindowTest.h"

namespace {

struct Typed {
    const char* caption;
    const char* value;
};

class FitLoopsOnGarments : public GarmentWindowTest {
protected:
    // The type with collar 0 and the sleeve kind, the sample values in the
    // fields, then `typed` over them.
    void Open(int type, int sleeve, const std::vector<Typed>& typed) {
        main->FillSamples = true;
        ASSERT_TRUE(main->CreateModel(type, 0, sleeve)) << type << "/" << sleeve;
        main->FillSamples = false;
        for (const Typed& t : typed) Set(t.caption, t.value);
    }
    void Set(const std::string& caption, const std::string& value) {
        const int row = Row(caption);
        ASSERT_GT(row, 0) << caption;
        main->Meas(row)->setText(QString::fromStdString(value));
    }
    // Calculates and answers what the user got: 'D' the pattern and no
    // message, '1' the sleeve cap's message, '2' the armhole's, 'F' the
    // road's message after eight faults, 'L' a pattern too large for the
    // sheets, '?' anything else.
    char Calculate() {
        messages.clear();
        main->CalcExecute();
        if (main->Model->calculated) return messages.empty() ? 'D' : '?';
        if (messages.size() != 1) return '?';
        const MessageRecord& m = messages[0];
        if (m.caption == "Сбой при расчёте оката" && m.text == "Ширина рукава больше допустимой. ") return '1';
        if (m.caption == "Сбой при расчёте проймы" && m.text == "Пожалуйста, проверьте измерения. ") return '2';
        if (m.caption == "Сбой при расчёте" && m.text == "Пожалуйста, проверьте измерения. ") return 'F';
        if (m.caption == "Сбой при расчёте" &&
            m.text == "Чертёж не помещается на листах. Пожалуйста, проверьте измерения. ")
            return 'L';
        return '?';
    }
};

}  // namespace

TEST_F(FitLoopsOnGarments, WhatTheLoopsFitDraftsAndWhatTheyCannotFailsAsItsPiece) {
    struct Case {
        const char* what;
        int type, sleeve;
        std::vector<Typed> typed;
        char verdict;
    } cases[] = {
        // The raglan's fit closes after a long run of corrections no better
        // than its best.
        {"straight winter coat, raglan with dart",
         13,
         6,
         {{"Сш:", "18.0"}, {"Сг1:", "37.5"}, {"Сг2:", "42.8"}, {"Сб:", "50.1"},   {"Вг:", "23.5"},
          {"Дт.п:", "37.4"}, {"Шг:", "17.1"}, {"Цг:", "11.0"}, {"Дт.с:", "39.7"}, {"Вп.к:", "47.8"},
          {"Шс:", "16.3"}, {"Цл:", "8.5"}, {"Дб:", "18.9"}, {"Пк:", "4.7"},     {"Шп:", "11.5"},
          {"Др1с:", "57.6"}, {"Оп.в:", "29.8"}, {"Озап:", "17.1"}, {"Пн:", "1.6"}, {"Пг:", "9.3"},
          {"Пб:", "6.4"}, {"Попв:", "9.8"}, {"Поз:", "7.6"}, {"h:", "0.4"}},
         'D'},
        // The cap fit closes at its 253rd correction.
        {"straight jacket, one-seam with elbow dart", 9, 3, {{"Вп.к:", "53.3"}, {"Н:", "0.1"}}, 'D'},
        {"men's coat with side seam, one-seam with elbow dart", 28, 14, {{"Впр.з:", "36.6"}, {"H:", "0.1"}}, 'D'},
        // The armhole balance runs away until its arcs break; the road's
        // rerun drafts, from what the failed run left of the yoke.
        {"men's jacket, no sleeve", 24, 0, {{"Сг2:", "91.4"}}, 'D'},
        {"men's jacket, two-seam", 24, 2, {{"Сг2:", "91.4"}}, 'D'},
        {"men's jacket, shirt sleeve", 24, 4, {{"Сг2:", "91.4"}}, 'D'},
        // The dropped sleeve's seams stop closing a millimetre short and
        // then run away on every run: the sleeve is too wide.
        {"fitted dress, dropped sleeve", 8, 9, {{"Шг:", "22"}}, '1'},
        {"fitted dress, dropped sleeve with dart", 8, 10, {{"Шг:", "22"}}, '1'},
        // Armhole balances that run away on every run.
        {"men's shirt, balance running away", 22, 0, {{"Дт.п:", "70.8"}}, '2'},
        {"men's jacket, balance running away", 24, 0, {{"Дт.п:", "70.8"}}, '2'},
        {"men's coat with side seam, balance running away", 28, 0, {{"Сг2:", "86.1"}}, '2'},
        {"men's coat with side part, balance running away", 31, 0, {{"Сг2:", "86.1"}}, '2'},
        // One that swings for ever, up to its bound.
        {"men's shirt, balance swinging for ever", 22, 0, {{"Вп.к:", "84.5"}}, '2'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.type, c.sleeve, c.typed);
        if (HasFatalFailure()) return;
        EXPECT_EQ(Calculate(), c.verdict) << (messages.empty() ? "" : messages[0].caption + " " + messages[0].text);
    }
}

// Bands of sets around the samples, one field stepped through each, with
// what every set gives.  The loops' rule decides many of them: the bands
// hold the sets that the loops close only after long swings, runs no better
// than their best, or a runaway the road's rerun drafts, next to sets that
// cannot be fitted.  Every verdict here is the one the program gave before
// its loops had any rule but their bounds, save the runaways on every run,
// which name their piece ('1', '2') where that program said 'F'.
TEST_F(FitLoopsOnGarments, BandsAroundTheSamplesKeepEveryVerdict) {
    struct Band {
        const char* what;
        int type, sleeve;
        std::vector<Typed> typed;
        const char* stepped;
        double from, step;
        const char* verdicts;  // one a set, from `from` by `step`
    } bands[] = {
        {"straight jacket, one-seam with elbow dart", 9, 3, {{"Н:", "0.1"}}, "Вп.к:", 52.0, 0.1,
         "LLLLDDDDDD1DDD11111111111"},
        {"fitted demi-season coat, one-seam with elbow dart", 12, 3, {}, "Дт.с:", 69.0, 0.1,
         "DD11DDDDDDD111111111111111"},
        {"men's jacket, no sleeve", 24, 0, {}, "Сг2:", 88.0, 0.2, "DDDDDDDDDDDDDDDDDDDDD222222222222222"},
        {"men's jacket, raglan with dart", 24, 6, {}, "Впр.з:", 35.0, 0.1, "DDDLLLDDDDDD1111111111111"},
        {"men's coat with side seam, raglan with dart", 28, 16, {}, "Вп.к:", 57.0, 0.1,
         "DLLLDDD1D1D111D1111111111"},
        {"men's coat with side seam, one-seam with elbow dart", 28, 14, {{"H:", "0.1"}}, "Впр.з:", 35.5, 0.1,
         "DDDDDDDDD11DD111111111111"},
    };
    for (const Band& b : bands) {
        SCOPED_TRACE(b.what);
        Open(b.type, b.sleeve, b.typed);
        if (HasFatalFailure()) return;
        std::string got;
        for (size_t k = 0; b.verdicts[k]; ++k) {
            Set(b.stepped, QString::number(b.from + b.step * double(k), 'f', 1).toStdString());
            got += Calculate();
        }
        EXPECT_EQ(got, b.verdicts) << b.stepped << " from " << b.from << " by " << b.step;
    }
}
