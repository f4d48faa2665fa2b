#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <deque>
#include <functional>

#include "ui/modal.h"

// The forms a test expects to open, in order: each form that opens is handed to the next
// step; a form nobody expected fails the test.
class FormScript {
 public:
  using Step = std::function<void(QDialog&)>;

  void Install() {
    steps_.clear();
    SetModalDriver([this](QDialog& form) {
      if (steps_.empty()) {
        ADD_FAILURE() << "unexpected form: " << form.windowTitle().toStdString();
        return;
      }
      Step step = std::move(steps_.front());
      steps_.pop_front();
      step(form);
    });
  }
  void Then(Step step) { steps_.push_back(std::move(step)); }
  bool Done() const { return steps_.empty(); }

 private:
  std::deque<Step> steps_;
};
