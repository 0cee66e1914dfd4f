#include "sleeves/common/SleeveCommon.h"

#include <QLineEdit>
#include <QString>

#include "shell/Factory.h"
#include "shell/MainForm.h"

namespace {

const char* const kNoSleeveCaption = "";

void ShowCaption(const char* caption) {
    if (MainForm && MainForm->SleeveType) MainForm->SleeveType->setText(QString::fromUtf8(caption));
}

}  // namespace

TSleevePiece::TSleevePiece(int kind) {
    const char* caption = SleeveCaption(kind);
    ShowCaption(caption ? caption : kNoSleeveCaption);
}

TSleevePiece::~TSleevePiece() { ShowCaption(kNoSleeveCaption); }

void TSleevePiece::ClearCaption() { ShowCaption(kNoSleeveCaption); }
