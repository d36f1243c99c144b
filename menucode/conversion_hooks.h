// What the conversions between tree and text tell the user interface while
// they run. The shell shows the wait cursor for the duration and, after a
// load, scrolls the first top-level node into view; the command-line tool and
// the tests pass nothing. (Redrawing of the tree view is suspended through the
// tree's own batch, which a load brackets itself with.)
#pragma once

#include "model/node_handle.h"

namespace tessary {

class ConversionHooks {
public:
    virtual ~ConversionHooks() = default;

    // Before the work starts.
    virtual void conversionBegin() {}
    // After it ended, whatever its outcome. firstTopLevel is the tree's first
    // top-level node after a load, kNoNode after generating code.
    virtual void conversionEnd(NodeHandle /*firstTopLevel*/) {}
};

}  // namespace tessary
