// The report types of the listing frame, by family (shared by the frame's
// own files only): one row per asset with subtotal blocks, one row per group,
// and the balance-versus-tax differences.
#pragma once

#include <memory>
#include <string>

#include "operations/listing_frame.h"

namespace zefir::operations {

std::unique_ptr<ListingType> makeAssetListing(ListingKind kind);
std::unique_ptr<ListingType> makeGroupListing(ListingKind kind);
std::unique_ptr<ListingType> makeDifferenceListing(ListingKind kind);

// Cell texts as the listings print them: money with two decimals (blank for
// 0), a number with up to four decimals and its trailing zeros dropped.
std::string moneyCell(long double value);
std::string countCell(long double value);

}  // namespace zefir::operations
