// Demo assets of the classification groups 4-6: computers, machine tools,
// specialised machines and technical devices.
#include "cli/demo_assets.h"

namespace zefir::cli {

namespace {

void addComputers(std::vector<AssetRecord>& out) {
  out.push_back(DemoAsset("ST/4/001", "Serwer HPE ProLiant DL380 Gen10")
                    .bought(day(2019, 3, 8), 48500, "FV 0308/19", "Komputronik S.A.")
                    .accepted(day(2019, 3, 15), 48500, "OT 3/19")
                    .method('D')
                    .description("Nr seryjny CZJ91803KL")
                    .description("2 x Xeon Silver 4210, 128 GB RAM")
                    .rate(day(2019, 3, 15), "491", 30, 2, 30, 1)
                    .change("MU:150319,IT")
                    .change("OO:150319,WÓJCIK M")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,402-01")
                    .record());
  // A quantity in the name: the place split below moves a part of the sets.
  out.push_back(DemoAsset("ST/4/002", "Komputery Dell OptiPlex 7090 3 szt")
                    .bought(day(2021, 5, 25), 16200, "FV 2105/21", "Action S.A.")
                    .accepted(day(2021, 6, 1), 16200, "OT 6/21")
                    .method('L')
                    .rate(day(2021, 6, 1), "491", 30)
                    .change("MU:010621,ADM 101")
                    .change("OO:010621,NOWAK A")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,402-01")
                    .change("MU:010322,ADM 102,5400zł,1/")
                    .record());
  out.push_back(DemoAsset("ST/4/003", "Laptop Lenovo ThinkPad T14")
                    .bought(day(2022, 1, 10), 5200, "FV 110/22", "x-kom sp. z o.o.")
                    .accepted(day(2022, 1, 12), 5200, "OT 1/22")
                    .method('J')
                    .description("Nr seryjny PF3KX21B")
                    .rate(day(2022, 1, 12), "491", 30)
                    .change("MU:120122,GDAŃSK")
                    .change("OO:120122,DĄBROWSKI Ł")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,403-01")
                    .change("LN:311223,PROT INW 1/23,,NIEDOBÓR")
                    .record());
  out.push_back(DemoAsset("ST/4/004", "Laptop Dell Latitude 5440")
                    .bought(day(2023, 9, 4), 6100, "FV 0904/23", "x-kom sp. z o.o.")
                    .accepted(day(2023, 9, 5), 6100, "OT 11/23")
                    .method('N')
                    .rate(day(2023, 9, 5), "491", 30)
                    .change("MU:050923,ADM 201")
                    .change("OO:050923,ZIELIŃSKA K")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,402-01")
                    .record());
  out.push_back(DemoAsset("ST/4/005", "Macierz dyskowa Synology RS3621")
                    .bought(day(2020, 11, 2), 28900, "FV 1102/20", "Komputronik S.A.")
                    .accepted(day(2020, 11, 5), 28900, "OT 14/20")
                    .method('L')
                    .rate(day(2020, 11, 5), "491", 30)
                    .change("MU:051120,IT")
                    .change("OO:051120,WÓJCIK M")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,402-01")
                    .record());
}

void addMachineTools(std::vector<AssetRecord>& out) {
  out.push_back(DemoAsset("ST/4/006", "Tokarka CNC Haas ST-20")
                    .bought(day(2015, 5, 20), 385000, "FV 520/15", "Haas Automation Europe")
                    .accepted(day(2015, 6, 1), 385000, "OT 7/15")
                    .method('D')
                    .description("Nr fabryczny 3113456, rok produkcji 2015")
                    .rate(day(2015, 6, 1), "410", 14, 2, 14, 1)
                    .rate(day(2019, 1, 1), "410", 14, 1, 14, 1)
                    .change("MU:010615,HALA A")
                    .change("OO:010615,WIŚNIEWSKI P")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KP:,401-01")
                    .change("PA:310715,50000zł")
                    .record());
  out.push_back(DemoAsset("ST/4/007", "Sprężarka śrubowa Atlas Copco GA30")
                    .bought(day(2008, 3, 1), 74000, "FV 301/08", "Atlas Copco Polska")
                    .accepted(day(2008, 3, 15), 74000, "OT 3/08")
                    .opening(2010, 74000, 19000)
                    .method('L')
                    .rate(day(2008, 3, 15), "444", 14)
                    .change("MU:150308,HALA A")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,401-01")
                    .change("MU:010117,HALA B")
                    .record());
  out.push_back(DemoAsset("ST/4/008", "Frezarka CNC DMG Mori CMX 600 V")
                    .bought(day(2020, 6, 15), 610000, "FV 615/20", "DMG Mori Polska")
                    .accepted(day(2020, 7, 1), 610000, "OT 9/20")
                    .method('L')
                    .description("Zakup współfinansowany z RPO WM 2014-2020")
                    .rate(day(2020, 7, 1), "412", 14)
                    .change("MU:010720,HALA B")
                    .change("OO:010720,WIŚNIEWSKI P")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,401-01")
                    .change("UD:010720,DOTACJA RPO,305000zł")
                    .record());
}

void addSpecialisedMachines(std::vector<AssetRecord>& out) {
  out.push_back(DemoAsset("ST/5/001", "Piec piekarniczy tunelowy")
                    .bought(day(2017, 4, 3), 240000, "FV 403/17", "Mondial Forni Polska")
                    .accepted(day(2017, 5, 1), 240000, "OT 5/17")
                    .method('L')
                    .rate(day(2017, 5, 1), "568", 14)
                    .change("MU:010517,HALA B")
                    .change("OO:010517,WIŚNIEWSKI P")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,401-01")
                    .record());
  out.push_back(DemoAsset("ST/5/002", "Maszyna poligraficzna Heidelberg SM 52")
                    .bought(day(2005, 9, 1), 420000, "FV 901/05", "Heidelberg Polska")
                    .accepted(day(2005, 9, 15), 420000, "OT 10/05")
                    .opening(2010, 420000, 126000)
                    .method('L')
                    .rate(day(2005, 9, 15), "548", 7)
                    .change("MU:150905,HALA A")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,401-01")
                    .change("LT:311222,PROT LT 9/22,,ZŁOMOWANIE")
                    .record());
  out.push_back(DemoAsset("ST/5/003", "Koparko-ładowarka JCB 3CX")
                    .secondLine("Nr rej. WZ 44120")
                    .bought(day(2021, 3, 29), 210000, "FV 329/21", "Interhandler sp. z o.o.")
                    .accepted(day(2021, 4, 1), 210000, "OT 4/21")
                    .method('D')
                    .rate(day(2021, 4, 1), "580", 20, 2, 20, 1)
                    .change("MU:010421,TEREN")
                    .change("OO:010421,LEWANDOWSKI T")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,401-01")
                    .record());
  out.push_back(DemoAsset("ST/5/004", "Zamrażarka szokowa Irinox")
                    .bought(day(2019, 10, 1), 58000, "FV 1001/19", "Irinox Polska")
                    .accepted(day(2019, 10, 7), 58000, "OT 12/19")
                    .rate(day(2019, 10, 7), "579", 20)
                    .change("MU:071019,HALA B")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,401-01")
                    .record());
}

void addTechnicalDevices(std::vector<AssetRecord>& out) {
  out.push_back(DemoAsset("ST/6/001", "System alarmowy z monitoringiem")
                    .bought(day(2018, 4, 16), 38000, "FV 416/18", "Securitas Polska")
                    .accepted(day(2018, 5, 1), 38000, "OT 6/18")
                    .method('L')
                    .rate(day(2018, 5, 1), "624", 10)
                    .change("MU:010518,ADM")
                    .change("OO:010518,KOWALSKI J")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,402-01")
                    .record());
  out.push_back(DemoAsset("ST/6/002", "Centrala telefoniczna Slican CCT-1668")
                    .bought(day(2014, 2, 3), 14500, "FV 203/14", "Slican sp. z o.o.")
                    .accepted(day(2014, 2, 10), 14500, "OT 2/14")
                    .rate(day(2014, 2, 10), "626", 10)
                    .change("MU:100214,ADM")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,402-01")
                    .change("PT:010920,PT 2/20,7250zł,DO ODDZ. KRAKÓW")
                    .record());
  out.push_back(DemoAsset("ST/6/003", "Dźwig osobowy Schindler 630 kg")
                    .bought(day(2016, 6, 1), 185000, "FV 601/16", "Schindler Polska")
                    .accepted(day(2016, 7, 1), 185000, "OT 9/16")
                    .method('L')
                    .rate(day(2016, 7, 1), "640", 14)
                    .change("MU:010716,ADM")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,402-01")
                    .record());
  out.push_back(DemoAsset("ST/6/004", "Projektor multimedialny Epson EB-L630U")
                    .bought(day(2022, 2, 14), 4200, "FV 214/22", "Media Expert")
                    .accepted(day(2022, 2, 15), 4200, "OT 2/22")
                    .method('J')
                    .rate(day(2022, 2, 15), "662", 20)
                    .change("MU:150222,ADM 202")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,402-01")
                    .record());
  out.push_back(DemoAsset("ST/6/005", "Waga samochodowa 60 t")
                    .bought(day(2013, 8, 5), 96000, "FV 805/13", "Axis sp. z o.o.")
                    .accepted(day(2013, 9, 1), 96000, "OT 10/13")
                    .method('P')
                    .rate(day(2013, 9, 1), "660", 14, 1, 10, 1)
                    .change("MU:010913,MAG 2")
                    .change("OO:010913,KAMIŃSKA E")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,401-01")
                    .record());
  out.push_back(DemoAsset("ST/6/006", "Suwnica pomostowa 10 t")
                    .bought(day(2019, 6, 3), 142000, "FV 603/19", "Dźwigpol sp. z o.o.")
                    .accepted(day(2019, 7, 1), 142000, "OT 8/19")
                    .method('L')
                    .rate(day(2019, 7, 1), "641", 14)
                    .change("MU:010719,HALA A")
                    .change("OO:010719,WIŚNIEWSKI P")
                    .change("KS:,013")
                    .change("KU:,070")
                    .change("KK:,401-01")
                    .record());
}

}  // namespace

void addMachinesAndDevices(std::vector<AssetRecord>& out) {
  addComputers(out);
  addMachineTools(out);
  addSpecialisedMachines(out);
  addTechnicalDevices(out);
}

}  // namespace zefir::cli
