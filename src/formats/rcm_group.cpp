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

std::string TRCMGroup::save(const std::string& indent) const {
  std::string out;
  std::vector<WalkStep> todo{{this, 0, false}};
  while (!todo.empty()) {
    const WalkStep step = todo.back();
    todo.pop_back();
    const TRCMGroup& group = *step.group;
    const std::string pad = indent + std::string(step.depth, '\t');
    if (step.closing) {
      out += pad;
      out += "}\n\n";
      continue;
    }
    if (!group._id.empty()) {
      out += pad;
      out += group._id;
      out += " {\n";
    }
    if (group._listaWpisow.empty()) out += '\n';
    for (const auto& entry : group._listaWpisow) {
      if (!entry) continue;
      out += pad;
      out += '\t';
      out += entry->toTxt();
      out += '\n';
    }
    if (!group._id.empty()) todo.push_back({&group, step.depth, true});
    pushSubgroups(todo, group, step.depth + 1);
  }
  return out;
}

int TRCMGroup::showGroup(const std::string& indent) const {
  std::vector<WalkStep> todo{{this, 0, false}};
  while (!todo.empty()) {
    const WalkStep step = todo.back();
    todo.pop_back();
    const TRCMGroup& group = *step.group;
    const std::string pad = indent + std::string(step.depth, '\t');
    if (step.closing) {
      Print(pad + "}");
      continue;
    }
    Print(pad + group._id + "{");
    if (group._listaWpisow.empty()) Print("");
    for (const auto& entry : group._listaWpisow)
      if (entry) Print(pad + "\t" + entry->toTxt());
    todo.push_back({&group, step.depth, true});
    pushSubgroups(todo, group, step.depth + 1);
  }
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
