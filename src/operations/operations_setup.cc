// The one place that registers the operations that exist. Each family of
// operations adds its registration call here.
#include "operations/asset_description.h"
#include "operations/asset_editor.h"
#include "operations/base_control_report.h"
#include "operations/by_key_reports.h"
#include "operations/dictionary_editing.h"
#include "operations/document_options.h"
#include "operations/import_operations.h"
#include "operations/listing_options.h"
#include "operations/net_value_report.h"
#include "operations/operation_registry.h"
#include "operations/plan_by_asset.h"
#include "operations/plan_by_group.h"
#include "operations/quantity_card.h"
#include "operations/rate_check_report.h"
#include "operations/register_maintenance.h"
#include "operations/statistical_sections.h"

namespace zefir::operations {

void registerBuiltOperations() {
  registerListingOperations();
  registerStatisticalOperations();
  registerPlanOperations();
  registerPlanByAssetOperations();
  registerQuantityCardOperation();
  registerByKeyOperations();
  registerNetValueOperations();
  registerRateCheckOperation();
  registerBaseControlOperation();
  registerDescriptionOperations();
  registerDocumentOperations();
  registerAssetEditingOperation();
  registerDictionaryOperations();
  registerMaintenanceOperations();
  import::registerImportOperations();
}

}  // namespace zefir::operations
