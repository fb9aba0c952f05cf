#pragma once

class ResultColumns;

// Result sets over the order lines (view siparis_satiri).
namespace OrderLineColumns {
// The lines of one order, as the order detail shows them.
const ResultColumns &detail();
// Open balances and all order lines: the detail's columns plus first price, line key, stock
// on hand and status, and the stock's ordered quantities.
const ResultColumns &balance();
// Order status as text, for an order aliased `o`.
extern const char *const stateText;
} // namespace OrderLineColumns
