// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_form.h"
#include "beam_moment_load/moment_load_layout.h"

namespace moment_load {

// Form4: a simply supported beam of span 7 under a concentrated bending moment
// of 3000 that the user moves along it.
class Form : public beam::BeamForm {
public:
    using BeamForm::BeamForm;
    void Command1_Click() override;
};

} // namespace moment_load
