#pragma once
// When the text viewer reads its file. It reads on the first show after it is loaded and keeps
// what it read; a failed read counts as displayed too, so that showing the viewer again shows
// it empty, without a second message, until its close box unloads it and the next show reads
// afresh. A viewer without a close box may retry instead: a page's file can come back once the
// page is online again.

namespace orvanel::viewer {

enum class AfterFailedRead { CountAsDisplayed, ReadAgain };

class Viewer {
  public:
    explicit Viewer(AfterFailedRead afterFailure) : m_afterFailure(afterFailure) {}

    // The viewer is shown: whether it must read its file now. Not while a read is under way:
    // its message, closed, shows the viewer again.
    bool showReads() {
        if (m_displayed || m_reading) {
            return false;
        }
        m_reading = true;
        return true;
    }

    void readDone(bool read) {
        m_reading = false;
        m_displayed = read || m_afterFailure == AfterFailedRead::CountAsDisplayed;
    }

    // The close box: the viewer keeps nothing, and the next show reads the file afresh.
    void unload() { m_displayed = false; }

    bool displayed() const { return m_displayed; }

  private:
    AfterFailedRead m_afterFailure;
    bool m_displayed = false;
    bool m_reading = false;
};

} // namespace orvanel::viewer
