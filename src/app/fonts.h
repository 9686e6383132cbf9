// The interface font. The form's fixed geometry was drawn for an interface
// face with Arial's metrics; Linux's usual default (DejaVu Sans) is wider
// and clips captions. A metric-compatible face becomes the application's
// default, and "Arial" resolves to it.
#pragma once

namespace fonts {
void useMetricCompatibleFaces();
}
