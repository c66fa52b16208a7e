// A JavaScript module: import it with
// <script type="module" src="module.js"></script>

export function ready(callback) {
  if (document.readyState === 'loading') {
    document.addEventListener('DOMContentLoaded', callback);
  } else {
    callback();
  }
}

export function $(selector, root = document) {
  return root.querySelector(selector);
}

ready(() => {
  const heading = $('h1');
  if (heading) {
    heading.title = 'Loaded at ' + new Date().toLocaleTimeString();
  }
});
