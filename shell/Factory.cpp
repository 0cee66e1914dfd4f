// The piece factory: the one place where the main window's garment, collar
// and sleeve are created and replaced, and the caption tables of their
// numbers.
#include "shell/Factory.h"

#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <array>
#include <string>

#include "kernel/MeasureFigure.h"
#include "kernel/Models.h"
#include "platform/MessageBox.h"
#include "shell/MainForm.h"

namespace {

const char* const kModelCaptions[kModelTypes] = {
    " Юбка. Заказ № ",
    " Брюки женские классические. Заказ № ",
    " Джинсы женские. Заказ № ",
    " Джинсы мужские. Заказ № ",
    " Брюки мужские классические. Заказ № ",
    " Брюки мужские объёмные. Заказ № ",
    " Юбка-брюки. Заказ № ",
    " Платье прямого силуэта. Заказ № ",
    " Платье прилегающего силуэта. Заказ № ",
    " Жакет прямого силуэта. Заказ № ",
    " Жакет прилегающего силуэта. Заказ № ",
    " Пальто деми прямого силуэта. Заказ № ",
    " Пальто деми прилегающего силуэта. Заказ № ",
    " Пальто зимнее прямого силуэта. Заказ № ",
    " Пальто зимнее прилегающего силуэта. Заказ № ",
    " Брюки мужские с заниженным поясом. Заказ № ",
    " Брюки женские классические 2. Заказ № ",
    " Брюки женские модельные. Заказ № ",
    " Джинсы женские 2. Заказ № ",
    " Шорты женские. Заказ № ",
    " Джинсы мужские 2. Заказ № ",
    " Брюки мужские классические 2. Заказ № ",
    " Сорочка прямого силуэта. Заказ № ",
    " Сорочка прилегающего силуэта. Заказ № ",
    " Куртка прямого силуэта. Заказ № ",
    " Куртка прилегающего силуэта. Заказ № ",
    " Брюки мужские с заниженным поясом 2. Заказ № ",
    " Брюки мужские объёмные 2. Заказ № ",
    " Пальто деми с боковым швом. Заказ № ",
    " Пальто деми с цельнокроеным бочком. Заказ № ",
    " Пальто деми с отрезным бочком. Заказ № ",
    " Пальто зимнее с боковым швом. Заказ № ",
    " Пальто зимнее с цельнокроеным бочком. Заказ № ",
    " Пальто зимнее с отрезным бочком. Заказ № ",
    " Пиджак с цельнокроеным бочком. Заказ № ",
    " Пиджак с отрезным бочком. Заказ № ",
    " Жилет. Заказ № ",
};

const char* const kCollarCaptions[kCollarKinds] = {
    " Стоячий",     " Стояче-отложной", " Цельнокроенный", " Пиджачный",
    " Покроя шаль", " С притачной стойкой", " Пиджачный",  " Покроя шаль",
};

const char* const kSleeveCaptions[kSleeveKinds] = {
    " Одношовный",       " Двухшовный",         " Одношовный с вытачкой", " Рубашечный",
    " Реглан прямой",    " Реглан с вытачкой",  " Цельнокроеный прямой",  " Цельнокроеный с вытачкой",
    " Спущенный прямой", " Спущенный с вытачкой", " Летучая мышь",        " Двухшовный",
    " Одношовный",       " Одношовный с вытачкой", " Реглан прямой",      " Реглан с вытачкой",
};

// The makers of each table, indexed by type (garments) or kind - 1.
template <typename Maker, int N>
struct Registry {
    std::array<Maker, N> makers;
    Maker* At(int i) { return i >= 0 && i < N ? &makers[size_t(i)] : nullptr; }
};

Registry<ModelMaker, kModelTypes>& Models() {
    static Registry<ModelMaker, kModelTypes> r;
    return r;
}
Registry<CollarMaker, kCollarKinds>& Collars() {
    static Registry<CollarMaker, kCollarKinds> r;
    return r;
}
Registry<SleeveMaker, kSleeveKinds>& Sleeves() {
    static Registry<SleeveMaker, kSleeveKinds> r;
    return r;
}

template <typename Maker>
Maker Put(Maker* slot, Maker maker) {
    if (!slot) return Maker();
    std::swap(*slot, maker);
    return maker;
}
template <typename Maker>
bool Filled(Maker* slot) {
    return slot && *slot;
}

bool IsCollarKind(int kind) { return kind >= 1 && kind <= kCollarKinds; }
bool IsSleeveKind(int kind) { return kind >= 1 && kind <= kSleeveKinds; }

// The name of a piece within a caption: its text without the leading blank
// and without the order part (" Юбка. Заказ № " -> "Юбка").
std::string PieceName(const char* caption) {
    std::string s(caption);
    if (!s.empty() && s.front() == ' ') s.erase(0, 1);
    const std::string order = ". Заказ № ";
    const size_t at = s.find(order);
    if (at != std::string::npos) s.erase(at);
    return s;
}

void RefusePiece(const std::string& what) {
    ShowMessage(what + " пока не входит в эту версию программы. Выберите другую основу. ", "Новая основа",
                MsgIcon::Error);
}

}  // namespace

const char* ModelCaption(int type) { return type >= 0 && type < kModelTypes ? kModelCaptions[type] : nullptr; }
const char* CollarCaption(int kind) { return IsCollarKind(kind) ? kCollarCaptions[kind - 1] : nullptr; }
const char* SleeveCaption(int kind) { return IsSleeveKind(kind) ? kSleeveCaptions[kind - 1] : nullptr; }

ModelMaker RegisterModelMaker(int type, ModelMaker maker) { return Put(Models().At(type), std::move(maker)); }
CollarMaker RegisterCollarMaker(int kind, CollarMaker maker) { return Put(Collars().At(kind - 1), std::move(maker)); }
SleeveMaker RegisterSleeveMaker(int kind, SleeveMaker maker) { return Put(Sleeves().At(kind - 1), std::move(maker)); }
bool HasModelMaker(int type) { return Filled(Models().At(type)); }
bool HasCollarMaker(int kind) { return Filled(Collars().At(kind - 1)); }
bool HasSleeveMaker(int kind) { return Filled(Sleeves().At(kind - 1)); }

bool TMainForm::CreateModel(int type, int collarKind, int sleeveKind) {
    // Everything that is to be made must be makeable before anything is
    // deleted: a refused choice leaves the current pieces as they are.
    if (!ModelCaption(type)) {
        ShowMessage("Неизвестный вид основы: " + std::to_string(type) + ". ", "Новая основа", MsgIcon::Error);
        return false;
    }
    if (!HasModelMaker(type)) {
        RefusePiece("Основа «" + PieceName(ModelCaption(type)) + "»");
        return false;
    }
    if (collarKind != CollarKind && IsCollarKind(collarKind) && !HasCollarMaker(collarKind)) {
        RefusePiece("Воротник «" + PieceName(CollarCaption(collarKind)) + "»");
        return false;
    }
    if (sleeveKind != SleeveKind && IsSleeveKind(sleeveKind) && !HasSleeveMaker(sleeveKind)) {
        RefusePiece("Рукав «" + PieceName(SleeveCaption(sleeveKind)) + "»");
        return false;
    }

    // 1. The collar, when its kind changed.
    if (collarKind != CollarKind) {
        delete Collar;
        Collar = nullptr;
        if (IsCollarKind(collarKind)) Collar = (*Collars().At(collarKind - 1))();
        CollarKind = collarKind;
    }
    // 2. The outgoing garment hides the sleeve rows of this kind.
    PrevSleeveKind = SleeveKind;
    // 3. The sleeve, when its kind changed.
    if (sleeveKind != SleeveKind) {
        delete Sleeve;
        Sleeve = nullptr;
        if (IsSleeveKind(sleeveKind)) Sleeve = (*Sleeves().At(sleeveKind - 1))();
        SleeveKind = sleeveKind;
    }
    // 4. The old garment, also when the same type is chosen again.
    if (Model) {
        Model->ClearInputs(PrevSleeveKind);
        delete Model;
        Model = nullptr;
    }
    // 5.-6. The new garment.  The type is set before the garment is made:
    // a constructor may read it (the bodices' sample values and
    // illustrations do), and every garment's ClearInputs and destructor
    // have run for the outgoing one by now.
    ModelIndex = type;
    CurrentModelIndex() = type;
    Model = (*Models().At(type))();
    // 7. Ready for input.
    if (Model) {
        Model->ShowMeasure(1);
        ScrollBox1->verticalScrollBar()->setValue(0);
        Meas(1)->setFocus();
        Model->ClearSheets();
    }
    return true;
}

void TMainForm::UpdateModelCaption() {
    const char* caption = ModelCaption(ModelIndex);
    if (!caption) return;
    ModelType->setText(QString::fromUtf8(caption) + QString::number(OrderNumber));
}
