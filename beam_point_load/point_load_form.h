// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_form.h"

// Form2: a simply supported beam of span 20 under a concentrated force of 1500
// that the user moves along it.
class PointLoadForm : public beam::BeamForm {
public:
    using BeamForm::BeamForm;
    void Command1_Click() override;
};
