#pragma once

#include "layouttable.h"

#include <QString>

// What a screen reader says for a control. Answer boxes and picture boxes tell where they
// stand without naming a component, so that listening does not give the answers away; buttons
// and labels are read by their own texts.
QString screenReaderName(const layout::ControlSpec &spec);
QString screenReaderDescription(const layout::ControlSpec &spec);
