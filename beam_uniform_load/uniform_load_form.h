// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_form.h"
#include "beam_uniform_load/uniform_load_layout.h"

namespace uniform_load {

// Form3: a simply supported beam of span 10 under a uniformly distributed
// load whose size the user sets with the scroll bar or types into Text1.
class Form : public beam::BeamForm {
public:
    using BeamForm::BeamForm;
    void Command1_Click() override;
};

} // namespace uniform_load
