#pragma once
// The file helpers under the name the level library and item tests use.
#include "support/play.h"

namespace quib {
namespace records_test = testing;
}  // namespace quib
