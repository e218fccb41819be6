#include "forms/control_traits.h"

#include <array>
#include <stdexcept>

namespace pavane::forms {
namespace {

constexpr std::size_t kKinds = static_cast<std::size_t>(Kind::Shape) + 1;

constexpr KindTraits kList{.tabStop = TabStop::Itself, .hasItems = true};
constexpr KindTraits kWindowForInside{.holdsControls = true, .windowForInside = true, .hasText = true};

// In the order of Kind.
constexpr std::array<KindTraits, kKinds> kTraits{{
    /* Label */ {.startsGroup = false, .hasText = true},
    /* Edit */ {.tabStop = TabStop::Itself, .hasText = true},
    /* ReadOnlyEdit */ {.tabStop = TabStop::Itself, .hasText = true},
    /* Button */ {.tabStop = TabStop::Itself, .hasText = true, .pushButton = true},
    /* CheckBox */ {.tabStop = TabStop::Itself, .hasText = true, .checkable = true},
    /* GroupBox */ {.holdsControls = true, .hasText = true},
    /* RadioGroup */ {.tabStop = TabStop::CheckedItem, .holdsControls = true, .hasText = true, .radioButtons = true},
    /* DropDownList */ kList,
    /* OwnerDrawList */ kList,
    /* DrivePicker */ kList,
    /* ListBox */ kList,
    /* UpDown */ {.hasPosition = true},
    /* Picture */ {.startsGroup = false},
    /* Panel */ kWindowForInside,
    /* Bevel */ {.startsGroup = false},
    /* PageControl */ {.tabStop = TabStop::Itself, .holdsControls = true},
    /* Page */ kWindowForInside,
    /* Painted */ {.startsGroup = false, .hasText = true},
    /* Shape */ {.startsGroup = false},
}};

}  // namespace

const KindTraits& TraitsOf(Kind kind) {
  const auto index = static_cast<std::size_t>(kind);
  if (index >= kTraits.size()) throw std::logic_error("unknown control kind");
  return kTraits[index];
}

}  // namespace pavane::forms
