// The demo assets, one function per family of classification groups.
#pragma once

#include <vector>

#include "cli/demo_base.h"

namespace zefir::cli {

void addLandAndBuildings(std::vector<AssetRecord>& out);      // groups 0, 1
void addStructuresAndPower(std::vector<AssetRecord>& out);    // groups 2, 3
void addMachinesAndDevices(std::vector<AssetRecord>& out);    // groups 4, 5, 6
void addVehiclesAndEquipment(std::vector<AssetRecord>& out);  // groups 7, 8, 9
void addIntangibles(std::vector<AssetRecord>& out);

}  // namespace zefir::cli
