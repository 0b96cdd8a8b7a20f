#include "engine/windows_names.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano {
namespace {

TEST(IsExactName, RefusesNamesThatThePathRulesReadAsOthers) {
  const struct {
    std::string name;
    bool exact;
  } cases[] = {
      {"foto.jpg", true},
      {".profile", true},
      {"citt\xE0 vecchia.mp3", true},
      {"a..b.txt", true},
      {" lead.txt", true},
      {"notes.", false},
      {"notes.txt ", false},
      {"back\\slash.txt", false},
      {"a/b.txt", false},
      {"c:d.txt", false},
      {"?\xF3"
       "d?.txt",
       false},
      {"a*.txt", false},
      {"a\"b<c>|.txt", false},
      {"tab\t.txt", false},
      {"con.txt", false},
      {"Com1.tar.gz", false},
      {"", false},
      {"console.txt", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(is_exact_name(c.name), c.exact) << c.name;
    // Split at the last dot, as the preview holds a listed name, the answer is the same.
    const std::string_view name = c.name;
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) {
      EXPECT_EQ(is_exact_name(name.substr(0, dot), name.substr(dot)), c.exact) << c.name;
    }
  }
}

}  // namespace
}  // namespace veltrano
