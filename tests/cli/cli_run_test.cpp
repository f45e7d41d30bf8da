#include "cli/cli_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace roofcalc::cli {
namespace {

namespace fs = std::filesystem;

// Runs each test in a fresh folder, as the CLI reads its data files from the current one.
class CliTest : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    dir_ =
        fs::temp_directory_path() /
        ("roofcalc-cli-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }
  void writeFile(const char* name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
  }
  int run(std::vector<std::string> args) {
    out_ = {};
    return runCli(args, ",", out_);
  }
  CliOutput out_;

 private:
  fs::path previous_, dir_;
};

TEST_F(CliTest, FastenerPrintsTheReportOfTheSecondRegion) {
  writeFile("wind.txt", "Ia  0,17 0,017\r\nIII  0,38 0,038\r\n");
  EXPECT_EQ(run({"fastener"}), kOk);
  EXPECT_EQ(out_.err, "");
  EXPECT_NE(out_.out.find("Регион:  III\n"), std::string::npos);
  EXPECT_NE(out_.out.find("Потребуется всего крепежа - 5671 шт.\n"), std::string::npos);
  EXPECT_EQ(std::count(out_.out.begin(), out_.out.end(), '\n'), 36);
}

TEST_F(CliTest, ActionsApplyInOrderAsTheUserWould) {
  writeFile("wind.txt", "Ia  0,17 0,017\r\nIII  0,38 0,038\r\n");
  EXPECT_EQ(run({"fastener", "RadioGroup2=1", "Edit1=2,5", "RadioButton3=1"}), kOk);
  EXPECT_NE(out_.out.find("Прочность кровельной мембраны: 2,5 МПа\n"), std::string::npos);
  EXPECT_NE(out_.out.find("k - 0,475\n"), std::string::npos);
}

TEST_F(CliTest, CalculationFailureGoesToStderrWithStatusOne) {
  writeFile("wind.txt", "Ia  0,17 0,017\r\nIII  0,38 0,038\r\n");
  EXPECT_EQ(run({"fastener", "Edit3="}), kCalculationFailed);
  EXPECT_EQ(out_.out, "");
  EXPECT_EQ(out_.err, "'' is not a valid floating point value.\n");
}

TEST_F(CliTest, MissingFileIsReportedAndTheCalculationRefuses) {
  EXPECT_EQ(run({"fastener"}), kCalculationFailed);
  EXPECT_EQ(out_.err, "Не найден файл региональных параметров\nВыберите район строительства.\n");
}

TEST_F(CliTest, UsageErrors) {
  writeFile("wind.txt", "Ia  0,17 0,017\r\nIII  0,38 0,038\r\n");
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{},
                                             {"roof"},
                                             {"fastener", "Nope=1"},
                                             {"fastener", "Memo1=x"},
                                             {"fastener", "RegionComboBox=2"},
                                             {"fastener", "RegionComboBox=-1"},
                                             {"fastener", "RegionComboBox=x"},
                                             {"fastener", "RadioButton2=0"},
                                             {"fastener", "Edit1"},
                                             {"fastener", "=5"},
                                             {"fastener", "--verbose"}}) {
    EXPECT_EQ(run(args), kUsageError) << (args.empty() ? "" : args.back());
    EXPECT_FALSE(out_.err.empty());
    EXPECT_EQ(out_.out, "");
  }
}

TEST_F(CliTest, StateShowsControlsAfterTheActions) {
  writeFile("wind.txt", "Ia  0,17 0,017\r\nIII  0,38 0,038\r\n");
  EXPECT_EQ(run({"fastener", "Edit2=42", "--state"}), kOk);
  EXPECT_NE(out_.out.find("\"Edit2\": {\"kind\": \"edit\", \"text\": \"42\", \"enabled\": true"),
            std::string::npos);
  EXPECT_NE(out_.out.find("\"RegionComboBox\": {\"kind\": \"combobox\", \"items\": [\"Ia\", "
                          "\"III\"], \"index\": 1, \"text\": \"III\""),
            std::string::npos);
  EXPECT_NE(out_.out.find("\"Edit7\": {\"kind\": \"edit\", \"text\": \"1,2\""), std::string::npos);
}

TEST_F(CliTest, Cp1251Output) {
  writeFile("wind.txt", "Ia  0,17 0,017\r\nIII  0,38 0,038\r\n");
  EXPECT_EQ(run({"fastener", "--encoding=cp1251"}), kOk);
  EXPECT_EQ(out_.out.rfind("\xD0\xC0\xD1\xD7\xC5\xD2 ", 0), 0u);  // "РАСЧЕТ "
}

TEST_F(CliTest, MembranePicksRollWidthsAndPrintsTheWholeReport) {
  EXPECT_EQ(run({"membrane", "Membrana1ComboBox=1", "Edit9=2,5"}), kOk);
  EXPECT_EQ(out_.err, "");  // no data file to look for
  EXPECT_EQ(std::count(out_.out.begin(), out_.out.end(), '\n'), 43);
  EXPECT_NE(out_.out.find("\nШирина : 1,5 м\n"), std::string::npos);
  EXPECT_NE(out_.out.find("\nSf - 3,75 м2\n"), std::string::npos);
  EXPECT_EQ(run({"membrane", "--state"}), kOk);
  EXPECT_NE(out_.out.find("\"Membrana2ComboBox\": {\"kind\": \"combobox\", \"items\": "
                          "[\"1.0 м\", \"1.5 м\", \"2.0 м\"], \"index\": 0"),
            std::string::npos);
}

TEST_F(CliTest, InsulationPrintsTheDefaultReport) {
  EXPECT_EQ(run({"insulation", "Edit3=0"}), kOk);
  EXPECT_EQ(std::count(out_.out.begin(), out_.out.end(), '\n'), 26);
  EXPECT_TRUE(out_.out.ends_with("\nНеобходимый объем плит ТАЛВИРОН - 313 м3\n"));
}

TEST_F(CliTest, VapourBarrierFaultGoesToStderr) {
  EXPECT_EQ(run({"vapour"}), kOk);
  EXPECT_TRUE(out_.out.ends_with("\nИтого пароизоляции - 5306 м2\n"));
  EXPECT_EQ(run({"vapour", "Edit11=0"}), kCalculationFailed);
  EXPECT_EQ(out_.out, "");
  EXPECT_EQ(out_.err, "Floating point division by zero.\n");
}

TEST_F(CliTest, ThermalComputesWithTheRowsAUserSets) {
  writeFile("klimat.txt", "Город  0 -25,3 205 -2,2\r\nСевер  1 -40 250 -8\r\n");
  writeFile("materials.txt", "Бетон\r\n0,7 0,8 2400\r\n");
  EXPECT_EQ(run({"thermal", "MatCombo3=1", "lamEdit3=0,7", "dEdit3=250"}), kOk);
  EXPECT_EQ(out_.err, "");
  EXPECT_NE(out_.out.find("\nГСОП = 4552\n"), std::string::npos);
  EXPECT_NE(out_.out.find("\nТребуется: 80 мм\n"), std::string::npos);

  // The city's zone picks the catalogue conductivity.
  EXPECT_EQ(run({"thermal", "MatCombo1=2", "RegionCombo=1", "--state"}), kOk);
  EXPECT_NE(
      out_.out.find("\"lamEdit1\": {\"kind\": \"edit\", \"text\": \"0,8\", \"enabled\": false"),
      std::string::npos);

  // The conductivity field is typed into only after "Пользовательский" is picked.
  EXPECT_EQ(run({"thermal", "lamEdit3=0,5"}), kUsageError);
  EXPECT_NE(out_.err.find("'lamEdit3' is disabled"), std::string::npos);
  EXPECT_EQ(run({"thermal", "NameEdit1=x"}), kUsageError);
  EXPECT_EQ(run({"thermal", "MatCombo3=3"}), kUsageError);

  EXPECT_EQ(run({"thermal", "MatCombo2=1"}), kCalculationFailed);
  EXPECT_EQ(out_.err, "Floating point division by zero.\n");
}

TEST_F(CliTest, ThermalWithoutDataFilesRefuses) {
  EXPECT_EQ(run({"thermal"}), kCalculationFailed);
  EXPECT_EQ(out_.err, "Не найден файл климатических параметров\nВыберите местонахождение.\n");
  writeFile("klimat.txt", "Город  0 -25,3 205 -2,2\r\n");
  EXPECT_EQ(run({"thermal"}), kOk);
  EXPECT_EQ(out_.err, "Не найден файл материалов\n");
  EXPECT_NE(out_.out.find("\nТребуется: "), std::string::npos);
}

}  // namespace
}  // namespace roofcalc::cli
