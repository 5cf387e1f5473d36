#pragma once

#include "Status.h"
#include "TVypujcka.h"

class CodePage;

// Whether the shared loan register can take every value of a loan card as it
// stands. Nothing is stored before the whole card passes, so a refused value
// never leaves a carrier marked lent without its card.
namespace loancheck {

// The register's own code page decides which letters it can hold.
Status check(const TVypujcka& loan, const CodePage& page);

} // namespace loancheck
