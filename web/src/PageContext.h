#pragma once
// The page's one running program (WebEdition.cpp), for the exports kept in
// files of their own.

#include "app/AppContext.h"

namespace nimbara {

AppContext PageContext();

}  // namespace nimbara
