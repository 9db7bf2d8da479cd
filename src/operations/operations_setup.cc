// The one place that registers the operations that exist. Each family of
// operations adds its registration call here.
#include "operations/import_operations.h"
#include "operations/listing_options.h"
#include "operations/operation_registry.h"

namespace zefir::operations {

void registerBuiltOperations() {
  registerListingOperations();
  import::registerImportOperations();
}

}  // namespace zefir::operations
