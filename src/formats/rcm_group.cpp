#include "formats/rcm_group.h"

#include "platform/strings.h"
#include "platform/system.h"

namespace sorvanta {

namespace {

// One step of the depth-first walks below; the walks keep their own stack so
// that a deeply nested tree cannot exhaust the call stack.
struct WalkStep {
  const TRCMGroup* group;
  size_t depth;
  bool closing;
};

void pushSubgroups(std::vector<WalkStep>& todo, const TRCMGroup& group, size_t depth) {
  for (auto it = group._listaGrup.rbegin(); it != group._listaGrup.rend(); ++it)
    if (*it) todo.push_back({it->get(), depth, false});
}

}  // namespace

TRCMGroup::~TRCMGroup() {
  std::vector<std::shared_ptr<TRCMGroup>> pending = std::move(_listaGrup);
  while (!pending.empty()) {
    std::shared_ptr<TRCMGroup> group = std::move(pending.back());
    pending.pop_back();
    if (group && group.use_count() == 1) {
      for (auto& sub : group->_listaGrup) pending.push_back(std::move(sub));
      group->_listaGrup.clear();
    }
  }
}

namespace {

// Walks a tree depth first with its own stack, so that a deeply nested tree
// cannot exhaust the call stack: open(group, pad) for each group, then
// close(group, pad) after its subgroups.
template <typename Open, typename Close>
void walkGroups(const TRCMGroup& root, const std::string& indent, Open open, Close close) {
  std::vector<WalkStep> todo{{&root, 0, false}};
  while (!todo.empty()) {
    const WalkStep step = todo.back();
    todo.pop_back();
    const std::string pad = indent + std::string(step.depth, '\t');
    if (step.closing) {
      close(*step.group, pad);
      continue;
    }
    if (open(*step.group, pad)) todo.push_back({step.group, step.depth, true});
    pushSubgroups(todo, *step.group, step.depth + 1);
  }
}

}  // namespace

std::string TRCMGroup::save(const std::string& indent) const {
  std::string out;
  walkGroups(
      *this, indent,
      [&out](const TRCMGroup& group, const std::string& pad) {
        if (!group._id.empty()) out += pad + group._id + " {\n";
        if (group._listaWpisow.empty()) out += '\n';
        for (const auto& entry : group._listaWpisow)
          if (entry) out += pad + '\t' + entry->toTxt(true) + '\n';
        return !group._id.empty();  // the unnamed root has no braces
      },
      [&out](const TRCMGroup&, const std::string& pad) { out += pad + "}\n\n"; });
  return out;
}

int TRCMGroup::showGroup(const std::string& indent) const {
  walkGroups(
      *this, indent,
      [](const TRCMGroup& group, const std::string& pad) {
        Print(pad + group._id + "{");
        if (group._listaWpisow.empty()) Print("");
        for (const auto& entry : group._listaWpisow)
          if (entry) Print(pad + "\t" + entry->toTxt());
        return true;
      },
      [](const TRCMGroup&, const std::string& pad) { Print(pad + "}"); });
  return 0;
}

std::shared_ptr<TRCMGroup> TRCMGroup::getGroup(const std::string& name) const {
  const std::string wanted = Upper(name);
  for (const auto& group : _listaGrup)
    if (group && Upper(group->_id) == wanted) return group;
  return nullptr;
}

std::shared_ptr<TRCMEntry> TRCMGroup::getEntry(const std::string& name) const {
  const std::string wanted = Upper(name);
  for (const auto& entry : _listaWpisow)
    if (entry && Upper(entry->_id) == wanted) return entry;
  return nullptr;
}

int TRCMGroup::setStringEntry(const std::string& key, const std::string& value, int index) {
  if (index < 0) return 0;
  if (auto entry = getEntry(key)) {
    entry->setValue(value, index);
  } else {
    _addEntry(key, value, index)->_type = RCM_string_;
  }
  return 0;
}

int TRCMGroup::setFloatEntry(const std::string& key, float value, int index) {
  if (index < 0) return 0;
  const std::string text = FloatToText(value);
  if (auto entry = getEntry(key)) {
    entry->setValue(text, index);
  } else {
    _addEntry(key, text, index)->_type = RCM_number_;
  }
  return 0;
}

std::shared_ptr<TRCMEntry> TRCMGroup::_addEntry(const std::string& key, const std::string& value,
                                                int index) {
  auto entry = std::make_shared<TRCMEntry>();
  entry->_id = key;
  entry->setValue(value, index);
  _listaWpisow.push_back(entry);
  return entry;
}

}  // namespace sorvanta
