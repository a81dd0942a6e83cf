#pragma once

namespace q5300::ui {

// Names the application, registers its resources and gives it the fonts of the
// program's texts. Call once, after the application object exists.
void SetUpApplication();

}  // namespace q5300::ui
