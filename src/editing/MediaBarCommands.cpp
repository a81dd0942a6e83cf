// The media bar: the job's medium, cutting, spacing, alignment, density, copies
// and repeat mode.
#include "editing/PanelCommands.h"

namespace q5300 {

void PanelCommands::Tell(Phrase text) {
  op_.Tell(Message{std::move(text)});
}

void PanelCommands::MaterialChosen(int index) {
  document_.Change([&](JobEdit& e) {
    if (!e.job().ChooseMaterial(index)) return;
    ControlsState& controls = e.controls();
    controls.material = index;
    controls.mediaSize = 1;
    e.SetPreviewWidth(PreviewWidthMm(e.settings().material, e.settings().mediaSize));
    e.ControlsChanged();
  });
}

void PanelCommands::SizeChosen(int index) {
  std::optional<Message> refusal;
  document_.Change([&](JobEdit& e) {
    const SizeChoice choice = e.job().ChooseMediaSize(index, e.Current());
    e.controls().mediaSize = choice.shownIndex;
    e.ControlsChanged();
    refusal = choice.refusal;
  });
  if (refusal) op_.Tell(*refusal);
}

void PanelCommands::CuttingChosen(int index) {
  document_.Change([&](JobEdit& e) {
    e.job().ChooseCutting(index);
    e.controls().cutting = index;
  });
}

void PanelCommands::MarginChosen(int index) {
  document_.Change([&](JobEdit& e) {
    e.job().ChooseMargin(index);
    e.controls().margin = index;
  });
}

void PanelCommands::AlignmentChosen(int index) {
  document_.Change([&](JobEdit& e) {
    e.job().ChooseAlignment(index);
    e.controls().alignment = index;
  });
}

void PanelCommands::DensityChosen(int index) {
  document_.Change([&](JobEdit& e) {
    e.job().ChooseDensity(index);
    e.controls().density = index;
  });
}

void PanelCommands::CopiesChosen(int index) {
  document_.Change([&](JobEdit& e) {
    e.job().ChooseCopies(index);
    e.controls().copies = index;
  });
}

void PanelCommands::RepeatModeChosen(bool continuous) {
  document_.Change([&](JobEdit& e) {
    e.job().ChooseRepeatMode(continuous ? Continuous : Sequential);
    e.controls().continuous = continuous;
  });
}

}  // namespace q5300
