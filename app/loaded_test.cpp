#include "app/loaded_test.h"

namespace vorna {

std::string TestFileName;
std::string TestName;
std::string OutOfSpecReport;

}  // namespace vorna
