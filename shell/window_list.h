// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

namespace toolkit {
class Form;
class Program;
} // namespace toolkit

class PointLoadForm;
class UniformLoadForm;
class MomentLoadForm;

namespace shell {

class MainForm;

// The program's four windows. Each window object is created at its first use
// and lives until the program ends, so its state outlives its widgets.
class Windows {
public:
    explicit Windows(toolkit::Program& program);
    ~Windows();

    MainForm& Form1();
    PointLoadForm& Form2();
    UniformLoadForm& Form3();
    MomentLoadForm& Form4();

private:
    toolkit::Program& program_;
    std::unique_ptr<MainForm> form1_;
    std::unique_ptr<PointLoadForm> form2_;
    std::unique_ptr<UniformLoadForm> form3_;
    std::unique_ptr<MomentLoadForm> form4_;
};

} // namespace shell
