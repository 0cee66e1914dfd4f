#include "kernel/OrderInfo.h"

namespace {

class BlankOrder : public OrderInfoSource {
public:
    std::string ModelTypeText() const override { return {}; }
    std::string CustomerText() const override { return {}; }
    std::vector<std::string> CommentLines() const override { return {}; }
    int ModelIndex() const override { return -2; }
    int TilingMode() const override { return 4; }
};

const BlankOrder kBlank;
const OrderInfoSource* g_source = nullptr;

}  // namespace

const OrderInfoSource& CurrentOrder() { return g_source ? *g_source : kBlank; }

void SetOrderInfoSource(const OrderInfoSource* source) { g_source = source; }
