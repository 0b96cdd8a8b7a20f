#include "operations/case_transforms.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano {
namespace {

struct TransformCase {
  void (*transform)(std::string&);
  const char* name;
  std::string before;
  std::string after;
};

TEST(CaseTransforms, RewriteEachStemByteForByte) {
  const TransformCase cases[] = {
      {underscores_to_spaces, "underscores_to_spaces", "il_mio__file", "il mio  file"},
      {underscores_to_spaces, "underscores_to_spaces", "", ""},
      {spaces_to_underscores, "spaces_to_underscores", "il mio file", "il_mio_file"},
      {spaces_to_underscores, "spaces_to_underscores", "a\tb\nc\rd\ve\ff", "a_b_c_d_e_f"},
      {spaces_to_underscores, "spaces_to_underscores", "\xE0 \xA0", "\xE0_\xA0"},
      {to_upper_case, "to_upper_case", "Prova 2 di Roma", "PROVA 2 DI ROMA"},
      {to_upper_case, "to_upper_case", "citt\xE0", "CITT\xE0"},
      {to_upper_case, "to_upper_case", "notes", "NOTES"},
      {to_lower_case, "to_lower_case", "IL Mio FILE", "il mio file"},
      {to_lower_case, "to_lower_case", "\xC0\xC8 REPORT", "\xC0\xC8 report"},
      {to_normal_text, "to_normal_text", "01 - LA MIA CANZONE", "01 - La mia canzone"},
      {to_normal_text, "to_normal_text", "mario ROSSI_e_LUCA", "Mario rossi_e_luca"},
      {to_normal_text, "to_normal_text", "IL FILE_DI MARIO", "Il file_di mario"},
      {to_normal_text, "to_normal_text", "\xE0 MARE", "\xE0 Mare"},
      {to_normal_text, "to_normal_text", "uno. DUE", "Uno. due"},
      {to_normal_text, "to_normal_text", "", ""},
      {to_title_case, "to_title_case", "il mio FILE", "Il Mio File"},
      {to_title_case, "to_title_case", "01 - the song", "01 - The Song"},
      {to_title_case, "to_title_case", "rock-and-roll_live", "Rock-and-roll_Live"},
      {to_title_case, "to_title_case", "l'amore (live)", "L'amore (Live)"},
      {to_title_case, "to_title_case", "2pac mcDONALD", "2Pac Mcdonald"},
      {to_title_case, "to_title_case", "\xE8ra", "\xE8Ra"},
      {to_title_case, "to_title_case", "a  b", "A  B"},
      {to_title_case, "to_title_case", "_x_", "_X_"},
      {to_title_case, "to_title_case", "a.b.c", "A.b.c"},
      {to_title_case, "to_title_case", "uno\tdue", "Uno\tdue"},
      {to_title_case, "to_title_case", "", ""},
  };
  for (const TransformCase& c : cases) {
    std::string stem = c.before;
    c.transform(stem);
    EXPECT_EQ(stem, c.after) << c.name << "(\"" << c.before << "\")";
  }
}

TEST(CaseTransforms, SpacesToUnderscoresAndBackRestoresOnlyStemsWithoutUnderscores) {
  for (const auto& [original, restored] :
       {std::pair<std::string, bool>{"un due tre", true}, {"un_due tre", false}}) {
    std::string stem = original;
    spaces_to_underscores(stem);
    underscores_to_spaces(stem);
    EXPECT_EQ(stem == original, restored) << original;
  }
}

}  // namespace
}  // namespace veltrano
