// The candidate rule of the address and company searches: a row text T is compared with the typed
// remainder R (after its prefecture). Rows whose T is a prefix of R win, the longest first; rows
// that R is a prefix of, or that start with R's part before its first block number (the lead), are
// kept beside them unless they are shorter than the longest prefix row.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "postal/postal_encoding.h"
#include "postal/postal_result.h"

namespace mirelon {

enum class CandidateVerdict {
  Skip,
  Add,
  ReplaceAll,  // drop the candidates held so far, then add
};

template <class E>
class CandidateRule {
 public:
  using Text = typename E::Text;

  CandidateRule(const Text& remainder, const Text& lead) : remainder_(remainder), lead_(lead) {}

  CandidateVerdict Judge(const Text& rowText) {
    const size_t length = E::Length(rowText);
    if (AgreeOnShorter<E>(remainder_, rowText)) {
      if (length <= E::Length(remainder_)) return JudgePrefixOfTyped(length);
    } else if (E::Length(lead_) == 0 || length < E::Length(lead_) || !StartsWith<E>(rowText, lead_)) {
      return CandidateVerdict::Skip;
    }
    return JudgeLonger(length);
  }

 private:
  // T is a prefix of R: the longest such T sets the floor below which nothing is kept.
  CandidateVerdict JudgePrefixOfTyped(size_t length) {
    if (length > best_) {
      best_ = floor_ = length;
      return CandidateVerdict::ReplaceAll;
    }
    if (length == best_) {
      floor_ = length;
      return CandidateVerdict::Add;
    }
    return length < floor_ ? CandidateVerdict::Skip : CandidateVerdict::Add;
  }

  // R is a prefix of T, or T starts with the lead.
  CandidateVerdict JudgeLonger(size_t length) {
    if (length > best_) best_ = length;
    if (length >= best_) return CandidateVerdict::Add;
    return length < floor_ ? CandidateVerdict::Skip : CandidateVerdict::Add;
  }

  const Text& remainder_;
  const Text& lead_;
  size_t best_ = 0;
  size_t floor_ = 0;
};

// The rows a search offers, at most kMaxCandidates: meeting one more stops the search, which then
// reports too many candidates.
class CandidateList {
 public:
  static constexpr size_t kMaxCandidates = 29;

  // Applies a verdict; `makeRow` builds the row only when it is kept. False once the limit stops
  // the search.
  template <class MakeRow>
  bool Apply(CandidateVerdict verdict, MakeRow&& makeRow) {
    if (verdict == CandidateVerdict::Skip) return true;
    if (verdict == CandidateVerdict::ReplaceAll) {
      rows_.clear();
    } else if (rows_.size() >= kMaxCandidates) {
      tooMany_ = true;
      return false;
    }
    rows_.push_back(makeRow());
    return true;
  }

  bool tooMany() const { return tooMany_; }
  std::vector<PostalRow>& rows() { return rows_; }

 private:
  std::vector<PostalRow> rows_;
  bool tooMany_ = false;
};

}  // namespace mirelon
