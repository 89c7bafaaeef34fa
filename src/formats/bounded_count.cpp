// Bounds for counts read from files (declared in bounded_count.h).
#include "formats/bounded_count.h"

#include <algorithm>

#include "formats/rcm_group.h"
#include "platform/strings.h"
#include "platform/system.h"

namespace sorvanta {

int boundedCount(int value, int present, const std::string& what) {
  if (value <= 0) return 0;
  const int bound = std::clamp(present, 0, kMaxFileCount);
  if (value <= bound) return value;
  Print("Napotkano problem : Liczba poza zakresem : " + what + " = " + std::to_string(value) +
        " (czytam " + std::to_string(bound) + ")");
  return bound;
}

int numberedGroupsPresent(const std::shared_ptr<TRCMGroup>& group, const std::string& prefix) {
  if (!group) return 0;
  const std::string wanted = Upper(prefix);
  int highest = 0;
  for (const auto& sub : group->_listaGrup) {
    if (!sub) continue;
    const std::string name = Upper(sub->_id);
    if (name.size() <= wanted.size() || name.size() > wanted.size() + 5 ||
        name.compare(0, wanted.size(), wanted) != 0)
      continue;
    const std::string digits = name.substr(wanted.size());
    if (digits[0] == '0' || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    highest = std::max(highest, std::stoi(digits));
  }
  return highest;
}

}  // namespace sorvanta
