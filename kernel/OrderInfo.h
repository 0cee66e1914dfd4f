// What the sheets, the printed pages and the measurement figure show of the
// current order: the texts the user typed in the main window, the current
// garment type and the print tiling mode.  The main window supplies them;
// tests supply their own.
#pragma once

#include <string>
#include <vector>

class OrderInfoSource {
public:
    virtual ~OrderInfoSource() = default;
    // The order caption: " Юбка. Заказ № " and the order number.
    virtual std::string ModelTypeText() const = 0;
    // The customer line.
    virtual std::string CustomerText() const = 0;
    // The lines of the order comment.
    virtual std::vector<std::string> CommentLines() const = 0;
    // The current garment type 0..36 (-2 before the first choice).
    virtual int ModelIndex() const = 0;
    // Print tiling mode: 1, 2 or 4 for 1:1, 1:2, 1:4.
    virtual int TilingMode() const = 0;
};

// The source in force; a blank order (empty texts, no garment, tiling 4)
// until one is set.
const OrderInfoSource& CurrentOrder();
// Sets the source (not owned); nullptr restores the blank order.
void SetOrderInfoSource(const OrderInfoSource* source);
