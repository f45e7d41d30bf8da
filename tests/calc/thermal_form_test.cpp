#include "calc/thermal_form.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "frame/calc_error.h"

namespace roofcalc {
namespace {

namespace fs = std::filesystem;

const char* const kKlimat = "Город  0 -25,3 205 -2,2\r\nСевер  1 -40 250 -8\r\n";
const char* const kMaterials = "Бетон\r\n0,7 0,8 2400\r\nДуб поперек волокон\r\n0,18 0,23 700\r\n";

ClimateTable climate(const char* bytes = kKlimat) {
  Messages m;
  return parseClimateTable(bytes, ",", m);
}

std::string failure(const ThermalForm& form) {
  try {
    form.calculate();
  } catch (const CalcError& e) {
    return e.what();
  }
  return "no failure";
}

struct Row {
  int index;
  std::string name;
  bool nameVisible, nameEnabled;
  std::string lam;
  bool lamEnabled;
  std::string d;
  bool dEnabled;
};

bool operator==(const Row& a, const Row& b) {
  return a.index == b.index && a.name == b.name && a.nameVisible == b.nameVisible &&
         a.nameEnabled == b.nameEnabled && a.lam == b.lam && a.lamEnabled == b.lamEnabled &&
         a.d == b.d && a.dEnabled == b.dEnabled;
}

std::ostream& operator<<(std::ostream& os, const Row& r) {
  return os << "{" << r.index << ", '" << r.name << "' " << r.nameVisible << r.nameEnabled << ", '"
            << r.lam << "' " << r.lamEnabled << ", '" << r.d << "' " << r.dEnabled << "}";
}

struct ThermalFormTest : testing::Test {
  ThermalForm form{","};
  void SetUp() override { form.createWithData(climate(), parseMaterialCatalogue(kMaterials)); }

  Row row(int n) const {
    const FormState& s = form.state();
    const std::string k = std::to_string(n);
    const ControlState& name = s.at("NameEdit" + k);
    const ControlState& lam = s.at("lamEdit" + k);
    const ControlState& d = s.at("dEdit" + k);
    return {s.index("MatCombo" + k),
            name.text,
            name.visible,
            name.enabled,
            lam.text,
            lam.enabled,
            d.text,
            d.enabled};
  }
  // A user's pick in a list, as the window's change handlers see it.
  void pick(const std::string& list, int index) {
    form.state().at(list).index = index;
    form.changed(list);
  }
  void type(const std::string& field, const char* text) { form.state().at(field).text = text; }
};

TEST_F(ThermalFormTest, StateAfterCreation) {
  const FormState& s = form.state();
  EXPECT_EQ(s.selectedItem("RegionCombo"), "Город");
  EXPECT_EQ(s.selectedItem("PomCombo"), "жилое");
  EXPECT_EQ(s.selectedItem("OgrCombo"), "наружная стена");
  EXPECT_EQ(s.selectedItem("TipCombo"), "тип Н2 или Н1");
  EXPECT_EQ(s.selectedItem("TemCombo"), "20");
  EXPECT_EQ(s.at("TemCombo").items.size(), 16u);
  EXPECT_EQ(s.at("TemCombo").items.back(), "25");
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(row(n), (Row{0, "", false, true, "100", false, "20", false})) << n;
    EXPECT_EQ(s.at("MatCombo" + std::to_string(n)).items,
              (std::vector<std::string>{"нет", "Пользовательский", "Бетон (2400)",
                                        "Дуб поперек волокон (700)"}));
  }
  EXPECT_EQ(s.at("Memo1").items, std::vector<std::string>{"нет ничего"});
  EXPECT_FALSE(s.at("Memo2").visible);
  EXPECT_EQ(s.at("Memo2").items.size(), 4u);
  EXPECT_EQ(s.at("Memo2").items[2], "Дуб поперек волокон");
}

TEST_F(ThermalFormTest, MaterialPicksSetTheRowFields) {
  // Each step starts from the row the previous one left; typing follows the pick.
  struct Step {
    int pick;
    const char* typedName;
    const char* typedThickness;
    Row after;
  };
  const Step steps[] = {
      {1, "Пенопласт", "75", {1, "Пенопласт", true, true, "0", true, "75", true}},
      // Picking it again empties the name and resets the conductivity.
      {1, nullptr, nullptr, {1, "", true, true, "0", true, "75", true}},
      {2, nullptr, nullptr, {2, "2400", true, false, "0,7", false, "75", true}},
      {0, nullptr, nullptr, {0, "2400", false, false, "0,7", false, "75", false}},
      {3, nullptr, "120", {3, "700", true, false, "0,18", false, "120", true}},
      {1, nullptr, nullptr, {1, "", true, true, "0", true, "120", true}},
      {0, nullptr, nullptr, {0, "", false, true, "0", false, "120", false}},
  };
  for (const Step& s : steps) {
    pick("MatCombo2", s.pick);
    if (s.typedName) type("NameEdit2", s.typedName);
    if (s.typedThickness) type("dEdit2", s.typedThickness);
    EXPECT_EQ(row(2), s.after) << "after picking " << s.pick;
    for (int other : {1, 3, 4, 5}) EXPECT_EQ(row(other).index, 0);
  }
  EXPECT_STREQ(ThermalForm::nameEditHint(1), "Введите название материала");
  EXPECT_STREQ(ThermalForm::nameEditHint(2), "Плотность материала");
}

TEST_F(ThermalFormTest, CityChangeUpdatesOnlyCatalogueRows) {
  pick("MatCombo2", 2);
  pick("MatCombo3", 1);
  type("lamEdit3", "0,5");
  pick("MatCombo5", 3);
  pick("MatCombo5", 0);  // "нет" keeps the copied text, and it must not follow the city
  const Row before1 = row(1), before3 = row(3), before5 = row(5);
  EXPECT_EQ(row(2).lam, "0,7");
  EXPECT_EQ(before5.lam, "0,18");

  pick("RegionCombo", 1);  // zone Б
  EXPECT_EQ(row(2).lam, "0,8");
  EXPECT_EQ(row(1), before1);
  EXPECT_EQ(row(3), before3);
  EXPECT_EQ(row(5), before5);
  // A catalogue pick after the change takes the new zone as well.
  pick("MatCombo4", 3);
  EXPECT_EQ(row(4).lam, "0,23");

  pick("RegionCombo", 0);
  EXPECT_EQ(row(2).lam, "0,7");
  EXPECT_EQ(row(4).lam, "0,18");
  EXPECT_EQ(row(3).lam, "0,5");
}

TEST_F(ThermalFormTest, WorkedExampleThroughTheRows) {
  pick("MatCombo3", 1);
  type("lamEdit3", "0,7");
  type("dEdit3", "250");
  const ReportLines lines = form.calculate();
  ASSERT_EQ(lines.size(), 28u);
  EXPECT_EQ(lines[14], "название:  ");
  EXPECT_EQ(lines[19], "ГСОП = 4552");
  EXPECT_EQ(lines[21], "Термическое сопротивление конструкции R0 = 0,52 м2*°С/Вт");
  EXPECT_EQ(lines[25], "Требуется: 80 мм");
  // The calculation reads the window; it never changes it.
  EXPECT_EQ(form.state().at("Memo1").items, std::vector<std::string>{"нет ничего"});

  // The report repeats the list texts as the user picked them.
  pick("RegionCombo", 1);
  pick("PomCombo", 2);
  pick("OgrCombo", 1);
  pick("TipCombo", 1);
  pick("TemCombo", 0);
  const ReportLines other = form.calculate();
  EXPECT_EQ(other[5], "Тип помещения:  производственное");
  EXPECT_EQ(other[6], "Тип ограждения:  покрытие или перекрытие над проездами (кровля)");
  EXPECT_EQ(other[7], "Тип плит:  тип Н4");
  EXPECT_EQ(other[8], "Расчетная внутренняя температура:  10°С");
  EXPECT_EQ(other[9], "Район строительства:  г.Север");
  EXPECT_EQ(other[19], "ГСОП = 4500");  // (10 + 8) × 250
}

TEST_F(ThermalFormTest, UserMaterialLeftAtZeroDividesByZero) {
  pick("MatCombo4", 1);
  EXPECT_EQ(failure(form), "Floating point division by zero.");
  type("dEdit4", "0");
  EXPECT_EQ(failure(form), "Invalid floating point operation.");
}

TEST_F(ThermalFormTest, FirstBadTextInReadingOrderIsReported) {
  // Rows set to "нет" are not read, whatever they hold.
  type("lamEdit1", "x");
  type("dEdit5", "");
  EXPECT_NO_THROW(form.calculate());

  pick("MatCombo5", 1);
  type("lamEdit5", "1");
  EXPECT_EQ(failure(form), "'' is not a valid floating point value.");
  pick("MatCombo4", 2);
  type("dEdit4", "1.5");
  EXPECT_EQ(failure(form), "'1.5' is not a valid floating point value.");
  pick("MatCombo2", 1);
  type("lamEdit2", "0,2");
  type("dEdit2", "a");
  EXPECT_EQ(failure(form), "'a' is not a valid floating point value.");
  type("lamEdit2", "b");
  EXPECT_EQ(failure(form), "'b' is not a valid floating point value.");
  // A catalogue text that is not a number is noticed only here.
  ThermalForm bad(",");
  bad.createWithData(climate(), parseMaterialCatalogue("Плохой\n0.5 0,6 100\n"));
  bad.state().at("MatCombo1").index = 2;
  bad.changed("MatCombo1");
  EXPECT_EQ(failure(bad), "'0.5' is not a valid floating point value.");
}

TEST(ThermalForm, RefusesWithoutACity) {
  for (const char* file : {"", "A 0 -1 100 2,5\nB 5 -1 100 2,5\n"}) {
    ThermalForm form(",");
    form.createWithData(climate(file), parseMaterialCatalogue(kMaterials));
    EXPECT_EQ(failure(form), "Выберите местонахождение.") << file;
    // The city comes before the rows in reading order.
    form.state().at("MatCombo1").index = -1;
    form.state().at("lamEdit1").text = "x";
    EXPECT_EQ(failure(form), "Выберите местонахождение.") << file;
  }
  // After a failed reading the failed record's name is in the list: picking it refuses too.
  ThermalForm form(",");
  form.createWithData(climate("A 0 -1 100 2,5\nB 5 -1 100 2,5\n"), std::nullopt);
  form.state().at("RegionCombo").index = 1;
  form.changed("RegionCombo");
  EXPECT_EQ(failure(form), "Выберите местонахождение.");
  form.state().at("RegionCombo").index = 0;
  EXPECT_NE(failure(form), "Выберите местонахождение.");
}

TEST(ThermalForm, RowsWithoutASelectedItemCountButAreNotReported) {
  ThermalForm form(",");
  form.createWithData(climate(), std::nullopt);  // materials.txt missing
  for (int n = 1; n <= 5; ++n) {
    EXPECT_EQ(form.state().index("MatCombo" + std::to_string(n)), -1);
    EXPECT_EQ(form.state().at("MatCombo" + std::to_string(n)).items.size(), 2u);
  }
  const ThermalInput in = form.readInput();
  for (const ThermalLayer& l : in.layers) {
    EXPECT_EQ(l.choice, LayerChoice::Unselected);
    EXPECT_EQ(l.conductivity, 100);
    EXPECT_EQ(l.thickness, 0.02);
  }
  const ThermalResult r = computeThermal(in);
  EXPECT_NEAR(r.R0, 1 / 23.0 + 1 / 8.7 + 5 * 0.0002, 1e-15);
  const ReportLines lines = form.calculate();
  EXPECT_EQ(lines[13], "Материалы конструкции: ");
  EXPECT_EQ(lines[14], " ");
  form.state().at("lamEdit2").text = "";
  EXPECT_EQ(failure(form), "'' is not a valid floating point value.");
}

// create() reads the files from the current folder, as the window does.
class ThermalFormFiles : public testing::Test {
 protected:
  void SetUp() override {
    setenv("ROOFCALC_CWD_DATA_ONLY", "1", 1);
    previous_ = fs::current_path();
    dir_ =
        fs::temp_directory_path() / ("roofcalc-thermal-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }
  void write(const char* name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
  }
  Messages create() {
    Messages m;
    form.create(m);
    return m;
  }
  ThermalForm form{","};

 private:
  fs::path previous_, dir_;
};

TEST_F(ThermalFormFiles, BothFilesRead) {
  write("klimat.txt", kKlimat);
  write("materials.txt", kMaterials);
  EXPECT_TRUE(create().empty());
  EXPECT_EQ(form.state().index("RegionCombo"), 0);
  EXPECT_EQ(form.state().index("MatCombo5"), 0);
  EXPECT_EQ(form.state().at("MatCombo5").items.size(), 4u);
  EXPECT_EQ(form.state().index("TemCombo"), 10);
}

TEST_F(ThermalFormFiles, MaterialsAreReadOnlyAfterAFaultlessClimate) {
  struct Case {
    const char* klimat;  // nullptr: missing
    bool materials;
    std::vector<Message> messages;
    int cityIndex;
    size_t cities, listItems;
  };
  const Case cases[] = {
      {nullptr,
       true,
       {{MessageKind::Information, "Не найден файл климатических параметров"}},
       -1,
       0,
       2},
      {"A 0 -1 100 2,5\nB 0 -1 1OO 2,5\n",
       true,
       {{MessageKind::Error, "'1OO' is not a valid floating point value."}},
       -1,
       2,
       2},
      {kKlimat, false, {{MessageKind::Information, "Не найден файл материалов"}}, 0, 2, 2},
      {"", true, {}, -1, 0, 4},
  };
  for (const Case& c : cases) {
    fs::remove("klimat.txt");
    fs::remove("materials.txt");
    if (c.klimat) write("klimat.txt", c.klimat);
    if (c.materials) write("materials.txt", kMaterials);
    ThermalForm fresh(",");
    Messages m;
    fresh.create(m);
    ASSERT_EQ(m.size(), c.messages.size()) << (c.klimat ? c.klimat : "missing");
    for (size_t i = 0; i < m.size(); ++i) {
      EXPECT_EQ(m[i].kind, c.messages[i].kind);
      EXPECT_EQ(m[i].text, c.messages[i].text);
    }
    const FormState& s = fresh.state();
    EXPECT_EQ(s.index("RegionCombo"), c.cityIndex);
    EXPECT_EQ(s.at("RegionCombo").items.size(), c.cities);
    // The list defaults are set before any file is read.
    EXPECT_EQ(s.index("TemCombo"), 10);
    EXPECT_EQ(s.index("OgrCombo"), 0);
    for (int n = 1; n <= 5; ++n) {
      const ControlState& list = s.at("MatCombo" + std::to_string(n));
      EXPECT_EQ(list.items.size(), c.listItems);
      EXPECT_EQ(list.index, c.listItems == 2 ? -1 : 0);
    }
    EXPECT_EQ(s.at("Memo2").items.size(), c.listItems == 2 ? 1u : 4u);
  }
}

}  // namespace
}  // namespace roofcalc
