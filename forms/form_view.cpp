#include "forms/form_view.h"

#include <utility>

namespace pavane::forms {

HandlerTable& HandlerTable::Bind(std::string_view name, Handler handler) {
  handlers_.insert_or_assign(std::string(name), std::move(handler));
  return *this;
}

void HandlerTable::Raise(std::string_view name, const Event& event) const {
  if (name.empty()) return;
  const auto handler = handlers_.find(name);
  if (handler == handlers_.end() || !handler->second) return;
  // A copy: the handler may end the form that holds this table.
  const Handler run = handler->second;
  run(event);
}

}  // namespace pavane::forms
