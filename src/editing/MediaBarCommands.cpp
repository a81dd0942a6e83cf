// The media bar: the job's medium, cutting, spacing, alignment, density, copies
// and repeat mode.
#include "editing/PanelCommands.h"

namespace q5300 {

void PanelCommands::Tell(Phrase text) {
  op_.Tell(Message{std::move(text)});
}

namespace {

// Every page carries the job's medium codes.
void CarryMediaCodes(JobEdit& e) {
  for (Page& page : e.pages()) e.job().CarryMediaCodesInto(page.record);
}

}  // namespace

void PanelCommands::MaterialChosen(int index) {
  document_.Change([&](JobEdit& e) {
    if (!e.job().ChooseMaterial(index)) return;
    CarryMediaCodes(e);
    e.SetPreviewWidth(PreviewWidthMm(e.settings().material, e.settings().mediaSize));
  });
}

void PanelCommands::SizeChosen(int index) {
  std::optional<Message> refusal;
  document_.Change([&](JobEdit& e) {
    int twoLinePages = 0;
    for (Page& page : e.pages()) twoLinePages += e.Compiled(page).printer.twoLines == 1 ? 1 : 0;
    refusal = e.job().ChooseMediaSize(index, twoLinePages);
    if (!refusal) CarryMediaCodes(e);
  });
  if (refusal) op_.Tell(*refusal);
}

void PanelCommands::CuttingChosen(int index) {
  document_.Change([&](JobEdit& e) {
    e.job().ChooseCutting(index);
  });
}

void PanelCommands::MarginChosen(int index) {
  document_.Change([&](JobEdit& e) {
    e.job().ChooseMargin(index);
  });
}

void PanelCommands::AlignmentChosen(int index) {
  document_.Change([&](JobEdit& e) {
    e.job().ChooseAlignment(index);
  });
}

void PanelCommands::DensityChosen(int index) {
  document_.Change([&](JobEdit& e) {
    e.job().ChooseDensity(index);
  });
}

void PanelCommands::CopiesChosen(int index) {
  document_.Change([&](JobEdit& e) {
    e.job().ChooseCopies(index);
  });
}

void PanelCommands::RepeatModeChosen(bool continuous) {
  document_.Change([&](JobEdit& e) {
    e.job().ChooseRepeatMode(continuous ? Continuous : Sequential);
  });
}

}  // namespace q5300
