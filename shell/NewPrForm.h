// The base-selection dialog ("Основы"): the tree of the 37 bases under their
// categories and, for a bodice base, its neckline, collar and sleeve.
// Choosing a leaf hands the garment type and the collar and sleeve kinds to
// the main window's factory.  The tree's state, the selected node and the
// list positions are kept in the settings record between runs.
//
// One dialog lives for the whole run and keeps its state between shows, so
// it reopens on the last choice.  Bases whose garment the program cannot
// build yet are shown greyed and cannot be chosen.
#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "shell/BaseCatalog.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

class TNewPrForm : public QDialog {
    Q_OBJECT

public:
    // Builds the dialog and, when the settings are there, restores its
    // position and tree state (FormCreate).
    explicit TNewPrForm(QWidget* parent = nullptr);
    ~TNewPrForm() override;

    // ---- Controls. ----
    QTreeWidget* TreeView1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;  // " Детали "
    QLabel* Label3 = nullptr;        // "Горловина "
    QComboBox* ComboBox3 = nullptr;  // neckline
    QLabel* Label2 = nullptr;        // "Воротник"
    QComboBox* ComboBox2 = nullptr;  // collar
    QLabel* Label1 = nullptr;        // "Рукав"
    QComboBox* ComboBox1 = nullptr;  // sleeve
    QTextEdit* RichEdit1 = nullptr;  // the description, read-only
    QPushButton* ChoosBut = nullptr;   // "Выбрать"
    QPushButton* CanselBut = nullptr;  // "Отменить"

    // ---- The choice. ----
    int ChosenType() const { return chosenType_; }      // 0..36, -1 none
    int ChosenCollar() const { return chosenCollar_; }  // 0..8, -1 lower body / none
    int ChosenSleeve() const { return chosenSleeve_; }  // 0..16, -1 lower body / none
    bool PartsShown() const { return partsShown_; }

    // ---- The tree by absolute index (0..52). ----
    QTreeWidgetItem* Node(int index) const;
    int NodeIndex(const QTreeWidgetItem* item) const;  // -1 for none
    // The selected node, -1 without a selection.
    int SelectedNode() const;
    // Selects node `index` (runs the selection steps); -1 clears the
    // selection.
    void SelectNode(int index);
    // The lines of the description.
    std::vector<std::string> DescriptionLines() const;
    // Whether the leaf of a type can be chosen now (its garment is built).
    static bool Available(int type);
    // Greys the leaves (and list items) whose pieces are not built, and
    // enables the choose button accordingly.  Runs at every show.
    void RefreshAvailability();

    // ---- Handlers. ----
    // Restores position, expanded nodes, the selection and the list
    // positions from the settings record.
    void FormCreate();
    // Stores them; runs at every close, whatever the result.
    void FormClose();
    // The selection is about to move to / has moved to `index` (-1 none).
    void TreeView1Changing(int index);
    void TreeView1Change(int index);
    void ComboBox3Change();  // neckline
    void ComboBox2Change();  // collar
    void ComboBox1Change();  // sleeve
    // Choose: a category toggles its expansion, a leaf is handed to the
    // factory and the dialog closes with the OK result.
    void ChoosButClick();
    void TreeView1DblClick();
    void CanselButClick();
    // Key preview: Enter chooses, Esc cancels; true when the key was taken.
    bool FormKeyPress(int key);
    // Alt+S chooses; true when the key was taken.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void TreeView1Expanding(int index);
    void TreeView1Collapsing(int index);

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildWindow();
    void BuildTree();
    void ShowParts(bool shown);
    void SetDescriptionLine(int line, const std::string& text);
    void UpdateDescription();
    // Fills a list with the items (and greys those whose piece is not
    // built; isCollar tells which factory table to ask).
    void FillList(QComboBox* box, const BaseList& list, bool isCollar);
    // Hands the chosen leaf to the factory; false when nothing was chosen.
    bool Choose();
    void OnSelectionChanged();
    void UpdateChooseButton();

    std::array<QTreeWidgetItem*, kBaseTreeNodes> nodes_{};
    std::vector<std::string> description_;
    int chosenType_ = -1;
    int chosenCollar_ = -1;
    int chosenSleeve_ = -1;
    bool partsShown_ = false;
    int lastSelected_ = -1;
};

extern TNewPrForm* NewPrForm;

// The base-selection dialog, modal: the start-up sequence and the new-base
// command.  True when a base was chosen (the main window then takes the
// focus); false when cancelled or when there is no dialog.
bool RunBaseSelection();
