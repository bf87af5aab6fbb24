// The published catalogue. Every text from the catalogue, and every word of the program's
// translation, reaches the page through textContent or an attribute only, so a title such as
// <script> shows as the words it is.
(function () {
  'use strict';

  const ExtraRows = 12;  // drawn above and below the visible rows, for smooth scrolling

  // The positions of a movie's fields, as the program writes them.
  const F = {
    id: 0, title: 1, year: 2, minutes: 3, stars: 4, genres: 5, media: 6, rating: 7,
    location: 8, label: 9, director: 10, producer: 11, cast: 12, acquired: 13, cost: 14,
    lentTo: 15, lentDate: 16, notes: 17, cover: 18
  };

  const data = JSON.parse(document.getElementById('catalogue').textContent);
  const movies = data.movies;
  // The page's own words, in the language of the program that published it.
  const texts = JSON.parse(document.getElementById('words').textContent);

  // A translated sentence with its %1, %2 (or %L1) filled in one pass, so that a title holding
  // "%2" stays as it is.
  function sentence(text, ...values) {
    return text.replace(/%L?([1-9])/g, (whole, n) => {
      const index = Number(n) - 1;
      return index < values.length ? values[index] : whole;
    });
  }

  const byId = (id) => document.getElementById(id);
  const list = byId('list');
  const rowsBody = byId('rows');
  const filterBox = byId('filter');
  const countText = byId('count');
  const detail = byId('detail');

  // As the program's filter line folds: case and accents ignored ("Amélie" is found by
  // "AMELIE"), compatibility forms spelt out, "ß" as "ss".
  function fold(text) {
    return text.normalize('NFKD').replace(/\p{M}+/gu, '').toUpperCase().toLowerCase();
  }

  const genreText = (m) => m[F.genres].map((i) => data.genres[i]).join(' / ');
  const castText = (m) => m[F.cast].map((i) => data.actors[i]).join(', ');
  const numberText = (n) => (n ? String(n) : '');

  const columns = [
    { title: texts.title, width: '28%', text: (m) => m[F.title] },
    { title: texts.year, width: '5em', text: (m) => numberText(m[F.year]), number: (m) => m[F.year] },
    { title: texts.genres, width: '16%', text: genreText },
    { title: texts.director, width: '14%', text: (m) => m[F.director] },
    { title: texts.media, width: '8%', text: (m) => m[F.media] },
    { title: texts.rating, width: '8%', text: (m) => m[F.rating] },
    { title: texts.stars, width: '5em', text: (m) => numberText(m[F.stars]), number: (m) => m[F.stars] },
    { title: texts.minutes, width: '6em', text: (m) => numberText(m[F.minutes]), number: (m) => m[F.minutes] },
    { title: texts.label, width: '7em', text: (m) => m[F.label] }
  ];

  // The order of all movies under the current sort, and the movies the filter lets through in it.
  let sortColumn = 0;
  let descending = false;
  const ascendingOrders = new Map([[0, movies.map((m, i) => i)]]);  // the program sent them by title
  let order = ascendingOrders.get(0);
  let shown = order;

  function ascendingOrder(column) {
    let sorted = ascendingOrders.get(column);
    if (sorted)
      return sorted;
    const c = columns[column];
    sorted = movies.map((m, i) => i);
    if (c.number) {
      const keys = movies.map(c.number);
      sorted.sort((a, b) => keys[a] - keys[b] || a - b);
    } else {
      const keys = movies.map((m) => fold(c.text(m)));
      sorted.sort((a, b) => (keys[a] < keys[b] ? -1 : keys[a] > keys[b] ? 1 : a - b));
    }
    ascendingOrders.set(column, sorted);
    return sorted;
  }

  // One folded text a movie, made once, for the filter: what the program's filter line looks
  // through, one text to a line so that no word spans two.
  let haystacks = null;
  function haystackOf(m) {
    return fold([m[F.title], m[F.label], m[F.director], m[F.producer], m[F.notes],
                 m[F.cast].map((i) => data.actors[i]).join('\n'),
                 m[F.genres].map((i) => data.genres[i]).join('\n'), m[F.location]].join('\n'));
  }

  // A filter that only narrows the last one (a letter typed at the end of a word, or another
  // word) looks only among the movies the last one let through.
  let lastWords = [];
  let lastOrder = null;

  function narrows(words) {
    return lastOrder === order && lastWords.length > 0 && words.length >= lastWords.length &&
        lastWords.every((w, i) => words[i].includes(w));
  }

  function applyFilter() {
    const words = fold(filterBox.value).split(/\s+/).filter(Boolean);
    if (words.length === 0) {
      shown = order;
    } else {
      if (!haystacks)
        haystacks = movies.map(haystackOf);
      const among = narrows(words) ? shown : order;
      shown = among.filter((i) => words.every((w) => haystacks[i].includes(w)));
    }
    lastWords = words;
    lastOrder = order;
    const count = (n) => n.toLocaleString();
    countText.textContent = shown.length === movies.length
      ? sentence(texts.allMovies, count(movies.length))
      : sentence(texts.someMovies, count(shown.length), count(movies.length));
    list.scrollTop = 0;
    render();
  }

  // The headings, which sort when clicked (again: the other way round).
  const headings = byId('headings');
  const colgroup = byId('columns');
  columns.forEach((c, index) => {
    const col = document.createElement('col');
    col.style.width = c.width;
    colgroup.appendChild(col);
    const th = document.createElement('th');
    th.scope = 'col';
    if (c.number)
      th.className = 'number';
    th.tabIndex = 0;
    th.textContent = c.title;
    th.addEventListener('click', () => sortBy(index));
    th.addEventListener('keydown', (e) => {
      if (e.key === 'Enter' || e.key === ' ') {
        e.preventDefault();
        sortBy(index);
      }
    });
    headings.appendChild(th);
  });

  function sortBy(column) {
    descending = column === sortColumn ? !descending : false;
    sortColumn = column;
    const ascending = ascendingOrder(column);
    order = descending ? ascending.slice().reverse() : ascending;
    headings.childNodes.forEach((th, i) => {
      if (i === sortColumn)
        th.setAttribute('aria-sort', descending ? 'descending' : 'ascending');
      else
        th.removeAttribute('aria-sort');
    });
    applyFilter();
  }

  // Only the rows in view exist; two spacer rows stand for the others.
  const topSpacer = spacerRow();
  const bottomSpacer = spacerRow();
  rowsBody.appendChild(topSpacer);
  rowsBody.appendChild(bottomSpacer);
  const rowPool = [];
  let rowHeight = 0;

  function spacerRow() {
    const tr = document.createElement('tr');
    tr.className = 'spacer';
    tr.setAttribute('aria-hidden', 'true');
    const td = document.createElement('td');
    td.colSpan = columns.length;
    tr.appendChild(td);
    return tr;
  }

  function movieRow() {
    const tr = document.createElement('tr');
    tr.className = 'movie';
    tr.tabIndex = 0;
    columns.forEach((c) => {
      const td = document.createElement('td');
      if (c.number)
        td.className = 'number';
      tr.appendChild(td);
    });
    return tr;
  }

  function render() {
    if (!rowHeight) {
      const probe = movieRow();
      rowsBody.insertBefore(probe, bottomSpacer);
      rowHeight = probe.getBoundingClientRect().height || 26;
      probe.remove();
    }
    const headHeight = headings.getBoundingClientRect().height;
    const top = Math.max(0, list.scrollTop - headHeight);
    const first = Math.max(0, Math.floor(top / rowHeight) - ExtraRows);
    const last = Math.min(shown.length,
                          Math.ceil((top + list.clientHeight) / rowHeight) + ExtraRows);
    const count = Math.max(0, last - first);
    while (rowPool.length < count) {
      const tr = movieRow();
      rowPool.push(tr);
      rowsBody.insertBefore(tr, bottomSpacer);
    }
    for (let r = 0; r < rowPool.length; ++r) {
      const tr = rowPool[r];
      if (r >= count) {
        tr.hidden = true;
        continue;
      }
      const index = shown[first + r];
      const m = movies[index];
      tr.hidden = false;
      tr.dataset.movie = String(index);
      tr.classList.toggle('odd', (first + r) % 2 === 1);
      const cells = tr.cells;
      for (let c = 0; c < columns.length; ++c)
        cells[c].textContent = columns[c].text(m);
    }
    topSpacer.firstChild.style.height = `${first * rowHeight}px`;
    bottomSpacer.firstChild.style.height = `${(shown.length - last) * rowHeight}px`;
  }

  let renderPending = false;
  list.addEventListener('scroll', () => {
    if (renderPending)
      return;
    renderPending = true;
    requestAnimationFrame(() => {
      renderPending = false;
      render();
    });
  });
  window.addEventListener('resize', () => render());

  filterBox.addEventListener('input', applyFilter);

  // A movie's every field, its cast, genres and cover.
  function showMovie(index) {
    const m = movies[index];
    byId('detailTitle').textContent = m[F.title];
    const fields = [
      [texts.movieNumber, String(m[F.id])],
      [texts.year, numberText(m[F.year])],
      [texts.minutes, numberText(m[F.minutes])],
      [texts.stars, numberText(m[F.stars])],
      [texts.media, m[F.media]],
      [texts.rating, m[F.rating]],
      [texts.location, m[F.location]],
      [texts.label, m[F.label]],
      [texts.director, m[F.director]],
      [texts.producer, m[F.producer]],
      [texts.acquired, m[F.acquired]],
      [texts.cost, m[F.cost]],
      [texts.lentTo, m[F.lentTo]],
      [texts.lentOn, m[F.lentDate]],
      [texts.notes, m[F.notes]]
    ];
    const dl = byId('fields');
    dl.replaceChildren();
    for (const [name, value] of fields) {
      const dt = document.createElement('dt');
      dt.textContent = name;
      const dd = document.createElement('dd');
      dd.textContent = value;
      dl.append(dt, dd);
    }
    fillList(byId('cast'), m[F.cast].map((i) => data.actors[i]));
    fillList(byId('genres'), m[F.genres].map((i) => data.genres[i]));
    const cover = byId('cover');
    if (m[F.cover]) {
      cover.src = 'pictures/' + encodeURIComponent(m[F.cover]);
      cover.alt = sentence(texts.coverOf, m[F.title]);
      cover.hidden = false;
    } else {
      cover.removeAttribute('src');
      cover.hidden = true;
    }
    detail.hidden = false;
    byId('closeDetail').focus();
  }

  function fillList(ul, names) {
    ul.replaceChildren();
    for (const name of names) {
      const li = document.createElement('li');
      li.textContent = name;
      ul.appendChild(li);
    }
  }

  let openedFrom = null;
  function closeMovie() {
    detail.hidden = true;
    if (openedFrom && openedFrom.isConnected)
      openedFrom.focus();
  }

  rowsBody.addEventListener('click', (e) => {
    const tr = e.target.closest('tr.movie');
    if (!tr)
      return;
    openedFrom = tr;
    showMovie(Number(tr.dataset.movie));
  });
  rowsBody.addEventListener('keydown', (e) => {
    const tr = e.target.closest('tr.movie');
    if (tr && e.key === 'Enter') {
      openedFrom = tr;
      showMovie(Number(tr.dataset.movie));
    }
  });
  byId('closeDetail').addEventListener('click', closeMovie);
  document.addEventListener('keydown', (e) => {
    if (e.key === 'Escape' && !detail.hidden)
      closeMovie();
  });

  document.title = data.name;
  byId('catalogueName').textContent = data.name;
  byId('published').textContent = sentence(texts.published, data.published);
  byId('filterLabel').textContent = texts.filter;
  filterBox.placeholder = texts.filterHint;
  byId('closeDetail').setAttribute('aria-label', texts.close);
  byId('castHeading').textContent = texts.cast;
  byId('genresHeading').textContent = texts.genres;
  headings.firstChild.setAttribute('aria-sort', 'ascending');
  applyFilter();
  // The filter's texts are made while nobody types yet.
  setTimeout(() => {
    if (!haystacks)
      haystacks = movies.map(haystackOf);
  }, 0);
  // When the page became usable, in milliseconds from the start of its loading.
  document.body.dataset.ready = String(Math.round(performance.now()));
})();
