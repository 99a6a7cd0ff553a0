// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_form.h"

// Form4: a simply supported beam of span 7 under a concentrated bending moment
// of 3000 that the user moves along it.
class MomentLoadForm : public beam::BeamForm {
public:
    using BeamForm::BeamForm;
    void Command1_Click() override;
};
