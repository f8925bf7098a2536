// The result list: only the rows in view (and a few around them) are in the
// page, so a list of 200,001 words scrolls as one of ten.

export class WordRows {
  constructor(box, rowText) {
    this.box = box;
    this.spacer = box.querySelector(".spacer");
    this.rowText = rowText; // (row, element) fills a row's element
    this.count = 0;
    this.selected = -1;
    this.onSelect = () => {};
    this.onOpen = () => {};
    this.shown = new Map(); // row -> element
    this.rowHeight = 32;
    box.addEventListener("scroll", () => this.#schedule());
    box.addEventListener("keydown", (event) => this.#key(event));
    box.addEventListener("click", (event) => this.#pick(event));
    box.addEventListener("dblclick", (event) => {
      if (this.#rowOf(event) >= 0) this.onOpen(this.selected);
    });
    // Focus shows the selected row (the first when none is), in view.
    box.addEventListener("focus", () => {
      if (this.count > 0) this.select(Math.max(0, this.selected));
    });
    new ResizeObserver(() => this.#schedule()).observe(box);
  }

  show(count) {
    this.count = count;
    this.selected = -1;
    this.box.scrollTop = 0;
    this.box.removeAttribute("aria-activedescendant");
    this.refresh();
    this.onSelect(-1);
  }

  // Fills the rows in view again (after a re-sort, or another display, which
  // may change the rows' height).
  refresh() {
    const top = this.box.scrollTop / this.rowHeight;
    this.rowHeight = this.#measure();
    this.spacer.style.height = `${this.count * this.rowHeight}px`;
    this.box.scrollTop = top * this.rowHeight;
    for (const element of this.shown.values()) element.remove();
    this.shown.clear();
    this.render();
  }

  // A row's height in px, which the page's width may change.
  #measure() {
    return parseFloat(getComputedStyle(this.box).getPropertyValue("--row")) *
      parseFloat(getComputedStyle(document.documentElement).fontSize) || 32;
  }

  #schedule() {
    if (this.pending) return;
    this.pending = requestAnimationFrame(() => {
      this.pending = 0;
      if (this.#measure() !== this.rowHeight) this.refresh();
      else this.render();
    });
  }

  render() {
    const first = Math.max(0, Math.floor(this.box.scrollTop / this.rowHeight) - 5);
    const last = Math.min(this.count, Math.ceil((this.box.scrollTop + this.box.clientHeight) / this.rowHeight) + 5);
    for (const [row, element] of this.shown)
      if ((row < first || row >= last) && row !== this.selected) {
        element.remove();
        this.shown.delete(row);
      }
    for (let row = first; row < last; row++) {
      if (this.shown.has(row)) continue;
      const element = document.createElement("div");
      element.className = "word-row";
      element.id = `word-${row}`;
      element.setAttribute("role", "option");
      element.setAttribute("aria-setsize", String(this.count));
      element.setAttribute("aria-posinset", String(row + 1));
      element.setAttribute("aria-selected", String(row === this.selected));
      element.classList.toggle("active", row === this.selected);
      element.style.transform = `translateY(${row * this.rowHeight}px)`;
      this.rowText(row, element);
      this.box.append(element);
      this.shown.set(row, element);
    }
  }

  select(row) {
    if (this.count === 0) return;
    row = Math.max(0, Math.min(this.count - 1, row));
    const old = this.shown.get(this.selected);
    old?.setAttribute("aria-selected", "false");
    old?.classList.remove("active");
    this.selected = row;
    const top = row * this.rowHeight;
    if (top < this.box.scrollTop) this.box.scrollTop = top;
    else if (top + this.rowHeight > this.box.scrollTop + this.box.clientHeight)
      this.box.scrollTop = top + this.rowHeight - this.box.clientHeight;
    this.render();
    const element = this.shown.get(row);
    element.setAttribute("aria-selected", "true");
    element.classList.add("active");
    this.box.setAttribute("aria-activedescendant", element.id);
    this.#bringIntoView(element);
    this.onSelect(row);
  }

  // Scrolls the page as far as the row needs to stand clear of the page's
  // scroll padding (the status bar at the bottom of the screen).
  #bringIntoView(element) {
    const padding = parseFloat(getComputedStyle(document.documentElement).scrollPaddingBottom) || 0;
    const { top, bottom } = element.getBoundingClientRect();
    const below = bottom - (innerHeight - padding);
    if (top < 0) scrollBy(0, top);
    else if (below > 0) scrollBy(0, below);
  }

  #rowOf(event) {
    const element = event.target.closest(".word-row");
    return element ? Number(element.id.slice(5)) : -1;
  }

  #pick(event) {
    const row = this.#rowOf(event);
    if (row >= 0) this.select(row);
  }

  #key(event) {
    const page = Math.max(1, Math.floor(this.box.clientHeight / this.rowHeight) - 1);
    const moves = {
      ArrowDown: 1, ArrowUp: -1, PageDown: page, PageUp: -page, Home: -Infinity, End: Infinity,
    };
    if (event.key in moves && !event.altKey) {
      event.preventDefault();
      const from = this.selected < 0 ? 0 : this.selected;
      const move = moves[event.key];
      this.select(move === Infinity ? this.count - 1 : move === -Infinity ? 0 : from + move);
    } else if (event.key === "Enter" && this.selected >= 0) {
      event.preventDefault();
      this.onOpen(this.selected);
    }
  }
}
